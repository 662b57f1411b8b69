// Builds a document through the calls a report makes on a word processor's selection: typing,
// paragraphs, fonts, page margins and tables filled cell by cell.
#include "report/documentwriter.h"

namespace tabrin::report {
namespace {

// Only tab survives of the control characters: the others have no place in a document's text.
bool isTypedCharacter(char c) { return static_cast<unsigned char>(c) >= 0x20 || c == '\t'; }

}  // namespace

DocumentWriter::DocumentWriter() { m_document.body.emplace_back(Paragraph{{}, m_typing, {}}); }

DocumentWriter::DocumentWriter(DocumentSink& sink) : DocumentWriter() { m_sink = &sink; }

void DocumentWriter::passOnRows(Table& table, std::size_t count) {
    if (count == 0) return;
    if (m_rowsPassedOn == 0) m_sink->tableStart(table, table.rows.front());
    for (std::size_t row = 0; row < count; ++row) m_sink->tableRow(table.rows[row]);
    table.rows.erase(table.rows.begin(), table.rows.begin() + static_cast<std::ptrdiff_t>(count));
    m_rowsPassedOn += count;
}

void DocumentWriter::passOnLeftParts() {
    if (m_sink == nullptr) return;
    std::vector<Block>& body = m_document.body;
    for (std::size_t block = 0; block < m_selection.block; ++block) {
        if (const auto* paragraph = std::get_if<Paragraph>(&body[block])) {
            m_sink->paragraph(*paragraph);
            continue;
        }
        Table& table = std::get<Table>(body[block]);
        passOnRows(table, table.rows.size());
        m_sink->tableEnd();
        m_rowsPassedOn = 0;
    }
    body.erase(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(m_selection.block));
    m_selection.block = 0;
    if (inTable()) {
        passOnRows(currentTable(), static_cast<std::size_t>(m_selection.row));
        m_selection.row = 0;
    }
}

void DocumentWriter::finish() {
    if (m_sink == nullptr) return;
    m_selection = {m_document.body.size(), -1, -1, false, Extent::InsertionPoint};
    passOnLeftParts();
}

Table& DocumentWriter::currentTable() { return std::get<Table>(m_document.body[m_selection.block]); }

Cell& DocumentWriter::currentCell() {
    return currentTable()
        .rows[static_cast<std::size_t>(m_selection.row)]
        .cells[static_cast<std::size_t>(m_selection.column)];
}

Paragraph& DocumentWriter::currentParagraph() {
    if (inTable()) return currentCell().paragraphs.back();
    return std::get<Paragraph>(m_document.body[m_selection.block]);
}

void DocumentWriter::setPageMargins(const PageMargins& margins) { m_document.margins = margins; }

void DocumentWriter::applyParagraphFormat(const std::function<void(ParagraphFormat&)>& change) {
    if (m_selection.extent == Extent::Cell) {
        for (Paragraph& paragraph : currentCell().paragraphs) change(paragraph.format);
    } else {
        change(currentParagraph().format);
    }
}

void DocumentWriter::setSpaceBefore(double points) {
    applyParagraphFormat([points](ParagraphFormat& format) { format.spaceBefore = points; });
}

void DocumentWriter::setSpaceAfter(double points) {
    applyParagraphFormat([points](ParagraphFormat& format) { format.spaceAfter = points; });
}

void DocumentWriter::setParagraphAlignment(ParagraphAlignment alignment) {
    applyParagraphFormat([alignment](ParagraphFormat& format) { format.alignment = alignment; });
}

void DocumentWriter::applyCharacterFormat(const std::function<void(CharacterFormat&)>& change) {
    change(m_typing);
    const auto changeParagraph = [&](Paragraph& paragraph) {
        for (Run& run : paragraph.runs) change(run.format);
        change(paragraph.mark);
    };
    switch (m_selection.extent) {
    case Extent::Cell:
        for (Paragraph& paragraph : currentCell().paragraphs) changeParagraph(paragraph);
        break;
    case Extent::Line: changeParagraph(currentParagraph()); break;
    case Extent::InsertionPoint:
        // An empty paragraph takes the formatting at once, as its mark is all it has.
        if (currentParagraph().runs.empty()) change(currentParagraph().mark);
        break;
    }
}

void DocumentWriter::setFontSize(double points) {
    applyCharacterFormat([points](CharacterFormat& format) { format.size = points; });
}

void DocumentWriter::setFontName(std::string_view name) {
    applyCharacterFormat([name](CharacterFormat& format) { format.fontName = name; });
}

void DocumentWriter::setBold(bool bold) {
    applyCharacterFormat([bold](CharacterFormat& format) { format.bold = bold; });
}

void DocumentWriter::clearSelectedText() {
    if (m_selection.extent == Extent::Cell) {
        std::vector<Paragraph>& paragraphs = currentCell().paragraphs;
        paragraphs.erase(paragraphs.begin() + 1, paragraphs.end());
        paragraphs.front().runs.clear();
    } else if (m_selection.extent == Extent::Line) {
        currentParagraph().runs.clear();
    }
    m_selection.extent = Extent::InsertionPoint;
}

void DocumentWriter::appendText(std::string_view text) {
    std::string typed;
    for (const char c : text) {
        if (isTypedCharacter(c)) typed += c;
    }
    if (typed.empty()) return;
    Paragraph& paragraph = currentParagraph();
    if (!paragraph.runs.empty() && paragraph.runs.back().format == m_typing) {
        paragraph.runs.back().text += typed;
    } else {
        paragraph.runs.push_back({std::move(typed), m_typing});
    }
    paragraph.mark = m_typing;
}

void DocumentWriter::typeText(std::string_view text) {
    clearSelectedText();
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        appendText(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return;
        typeParagraph();
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

void DocumentWriter::typeParagraph() {
    m_selection.extent = Extent::InsertionPoint;
    Paragraph next{currentParagraph().format, m_typing, {}};
    if (inTable()) {
        currentCell().paragraphs.push_back(std::move(next));
    } else {
        m_document.body.insert(m_document.body.begin() + static_cast<std::ptrdiff_t>(m_selection.block) + 1,
                               std::move(next));
        ++m_selection.block;
        passOnLeftParts();
    }
}

void DocumentWriter::selectToLineStart() { m_selection.extent = Extent::Line; }

void DocumentWriter::collapseToLineEnd() { m_selection.extent = Extent::InsertionPoint; }

void DocumentWriter::addTable(int rows, int columns) {
    if (inTable() || rows < 1 || columns < 1) return;
    if (!currentParagraph().runs.empty()) typeParagraph();
    const Paragraph& place = currentParagraph();
    const PageMargins& margins = m_document.margins;
    Cell cell;
    cell.width = (kPageWidthPoints - margins.left - margins.right) / columns;
    cell.paragraphs.push_back({place.format, m_typing, {}});
    Table table;
    table.rows.assign(static_cast<std::size_t>(rows),
                      TableRow{std::vector<Cell>(static_cast<std::size_t>(columns), cell)});
    m_document.body.insert(m_document.body.begin() + static_cast<std::ptrdiff_t>(m_selection.block), std::move(table));
    m_selection.row = 0;
    m_selection.column = 0;
    m_selection.atRowEnd = false;
    m_selection.extent = Extent::InsertionPoint;
    passOnLeftParts();
}

void DocumentWriter::setTablePadding(double left, double right) {
    if (!inTable()) return;
    currentTable().leftPadding = left;
    currentTable().rightPadding = right;
}

void DocumentWriter::selectCell(int row, int column) {
    if (!inTable()) return;
    const Table& table = currentTable();
    // Rows passed on to the sink are no longer there to select.
    const long held = static_cast<long>(row) - 1 - static_cast<long>(m_rowsPassedOn);
    if (held < 0 || held >= static_cast<long>(table.rows.size())) return;
    if (column < 1 || column > static_cast<int>(table.rows[static_cast<std::size_t>(held)].cells.size())) return;
    m_selection.row = static_cast<int>(held);
    m_selection.column = column - 1;
    m_selection.atRowEnd = false;
    m_selection.extent = Extent::Cell;
}

void DocumentWriter::setCellVerticalAlignment(VerticalAlignment alignment) {
    if (inTable()) currentCell().verticalAlignment = alignment;
}

void DocumentWriter::setCellWidth(double points) {
    if (inTable()) currentCell().width = points;
}

void DocumentWriter::setCellShading(std::uint32_t foregroundColor, std::uint32_t backgroundColor) {
    if (inTable()) currentCell().shading = {foregroundColor, backgroundColor};
}

void DocumentWriter::setColumnBorders(LineStyle style) {
    if (!inTable()) return;
    for (TableRow& row : currentTable().rows) {
        if (static_cast<std::size_t>(m_selection.column) < row.cells.size()) {
            row.cells[static_cast<std::size_t>(m_selection.column)].borders = style;
        }
    }
}

void DocumentWriter::moveToNextCell() {
    if (!inTable()) return;
    m_selection.extent = Extent::InsertionPoint;
    m_selection.atRowEnd = false;
    Table& table = currentTable();
    const auto row = static_cast<std::size_t>(m_selection.row);
    if (static_cast<std::size_t>(m_selection.column) + 1 < table.rows[row].cells.size()) {
        ++m_selection.column;
        return;
    }
    m_selection.column = 0;
    ++m_selection.row;
    if (row + 1 < table.rows.size()) {
        passOnLeftParts();
        return;
    }
    // A new row carries on the last one: widths, alignment, borders, shading and fonts.
    TableRow added;
    for (const Cell& above : table.rows.back().cells) {
        Cell cell = above;
        cell.paragraphs = {{above.paragraphs.front().format, above.paragraphs.back().mark, {}}};
        added.cells.push_back(std::move(cell));
    }
    table.rows.push_back(std::move(added));
    passOnLeftParts();
}

void DocumentWriter::moveRight(int count) {
    m_selection.extent = Extent::InsertionPoint;
    for (int step = 0; step < count && inTable(); ++step) {
        const Table& table = currentTable();
        const auto row = static_cast<std::size_t>(m_selection.row);
        if (!m_selection.atRowEnd && static_cast<std::size_t>(m_selection.column) + 1 < table.rows[row].cells.size()) {
            ++m_selection.column;
        } else if (!m_selection.atRowEnd) {
            m_selection.atRowEnd = true;
        } else if (row + 1 < table.rows.size()) {
            m_selection = {m_selection.block, m_selection.row + 1, 0, false, Extent::InsertionPoint};
        } else {
            m_selection = {m_selection.block + 1, -1, -1, false, Extent::InsertionPoint};
        }
        passOnLeftParts();
    }
}

}  // namespace tabrin::report
