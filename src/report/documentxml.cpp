// The main part of a .docx package: the document as WordprocessingML, written part by part as the
// parts become final.
#include "report/documentxml.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "app/cp1251.h"

namespace tabrin::report {
namespace {

constexpr std::size_t kPieceSize = 64 * 1024;

std::string twips(double points) { return std::to_string(std::lround(points * 20)); }

std::string halfPoints(double points) { return std::to_string(std::lround(points * 2)); }

const char* alignmentValue(ParagraphAlignment alignment) {
    switch (alignment) {
    case ParagraphAlignment::Center: return "center";
    case ParagraphAlignment::Right: return "right";
    case ParagraphAlignment::Justify: return "both";
    case ParagraphAlignment::Left: break;
    }
    return "left";
}

const char* verticalAlignmentValue(VerticalAlignment alignment) {
    switch (alignment) {
    case VerticalAlignment::Center: return "center";
    case VerticalAlignment::Bottom: return "bottom";
    case VerticalAlignment::Top: break;
    }
    return "top";
}

// Word keeps colours as 0xBBGGRR; the file wants RRGGBB.
std::string colorValue(std::uint32_t color) {
    if (color == kAutomaticColor) return "auto";
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return text;
}

// The escapes of common XML writers: '&' and '<' everywhere, '>' in text, '"' in attribute
// values, and control characters as numeric references (in text all but tab and line ends).
bool needsEscape(char c, bool inAttribute) {
    switch (c) {
    case '&':
    case '<': return true;
    case '>': return !inAttribute;
    case '"': return inAttribute;
    case '\t':
    case '\r':
    case '\n': return inAttribute;
    default: return static_cast<unsigned char>(c) < 0x20;
    }
}

class Markup {
public:
    explicit Markup(std::string& out) : m_out(out) {}

    Markup& raw(std::string_view text) {
        m_out.append(text);
        return *this;
    }

    Markup& text(std::string_view text) { return escaped(text, false); }

    /// ` name="value"`
    Markup& attribute(std::string_view name, std::string_view value) {
        m_out.append(" ").append(name).append("=\"");
        escaped(value, true);
        m_out.append("\"");
        return *this;
    }

    /// `<name w:val="value"/>`
    Markup& valueElement(std::string_view name, std::string_view value) {
        m_out.append("<").append(name);
        attribute("w:val", value);
        m_out.append("/>");
        return *this;
    }

    /// `<name w:w="twips" w:type="dxa"/>`
    Markup& widthElement(std::string_view name, double points) {
        m_out.append("<").append(name);
        attribute("w:w", twips(points)).attribute("w:type", "dxa");
        m_out.append("/>");
        return *this;
    }

private:
    Markup& escaped(std::string_view text, bool inAttribute) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (!needsEscape(c, inAttribute)) continue;
            m_out.append(text.substr(start, i - start));
            switch (c) {
            case '&': m_out.append("&amp;"); break;
            case '<': m_out.append("&lt;"); break;
            case '>': m_out.append("&gt;"); break;
            case '"': m_out.append("&quot;"); break;
            default: {
                const char reference[] = {'&', '#', static_cast<char>('0' + c / 10), static_cast<char>('0' + c % 10), ';'};
                m_out.append(reference, sizeof reference);
            }
            }
            start = i + 1;
        }
        m_out.append(text.substr(start));
        return *this;
    }

    std::string& m_out;
};

void writeCharacterFormat(Markup& xml, const CharacterFormat& format) {
    xml.raw("<w:rPr><w:rFonts");
    for (const char* script : {"w:ascii", "w:hAnsi", "w:cs"}) xml.attribute(script, format.fontName);
    xml.raw("/>");
    if (format.bold) xml.raw("<w:b/>");
    xml.valueElement("w:sz", halfPoints(format.size)).valueElement("w:szCs", halfPoints(format.size));
    xml.raw("</w:rPr>");
}

void writeParagraph(Markup& xml, const Paragraph& paragraph) {
    xml.raw("<w:p><w:pPr><w:spacing")
        .attribute("w:before", twips(paragraph.format.spaceBefore))
        .attribute("w:after", twips(paragraph.format.spaceAfter))
        .raw("/>")
        .valueElement("w:jc", alignmentValue(paragraph.format.alignment));
    writeCharacterFormat(xml, paragraph.mark);
    xml.raw("</w:pPr>");
    for (const Run& run : paragraph.runs) {
        xml.raw("<w:r>");
        writeCharacterFormat(xml, run.format);
        xml.raw("<w:t xml:space=\"preserve\">").text(cp1251::toUtf8(run.text)).raw("</w:t></w:r>");
    }
    xml.raw("</w:p>");
}

void writeCellProperties(Markup& xml, const Cell& cell) {
    xml.raw("<w:tcPr>").widthElement("w:tcW", cell.width).raw("<w:tcBorders>");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right"}) {
        xml.raw("<").raw(side);
        if (cell.borders == LineStyle::None) {
            xml.attribute("w:val", "nil");
        } else {
            // Size in eighths of a point: Word's thinnest line.
            xml.attribute("w:val", "single").attribute("w:sz", "4").attribute("w:space", "0").attribute("w:color", "auto");
        }
        xml.raw("/>");
    }
    xml.raw("</w:tcBorders>");
    if (cell.shading.foreground != kAutomaticColor || cell.shading.background != kAutomaticColor) {
        xml.raw("<w:shd")
            .attribute("w:val", "clear")
            .attribute("w:color", colorValue(cell.shading.foreground))
            .attribute("w:fill", colorValue(cell.shading.background))
            .raw("/>");
    }
    xml.valueElement("w:vAlign", verticalAlignmentValue(cell.verticalAlignment)).raw("</w:tcPr>");
}

}  // namespace

DocumentXmlWriter::DocumentXmlWriter(Output output) : m_output(std::move(output)) {
    m_text.reserve(kPieceSize + kPieceSize / 2);
    Markup(m_text)
        .raw("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>")
        .raw("<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>");
}

void DocumentXmlWriter::flushWhenFull() {
    if (m_text.size() < kPieceSize) return;
    m_output(m_text);
    m_text.clear();
}

void DocumentXmlWriter::paragraph(const Paragraph& paragraph) {
    Markup xml(m_text);
    writeParagraph(xml, paragraph);
    flushWhenFull();
}

void DocumentXmlWriter::tableStart(const Table& table, const TableRow& firstRow) {
    double totalWidth = 0;
    for (const Cell& cell : firstRow.cells) totalWidth += cell.width;
    Markup xml(m_text);
    // Fixed layout keeps the widths as set instead of fitting them to the contents.
    xml.raw("<w:tbl><w:tblPr>")
        .widthElement("w:tblW", totalWidth)
        .raw("<w:tblLayout w:type=\"fixed\"/><w:tblCellMar>")
        .widthElement("w:left", table.leftPadding)
        .widthElement("w:right", table.rightPadding)
        .raw("</w:tblCellMar></w:tblPr><w:tblGrid>");
    for (const Cell& cell : firstRow.cells) xml.raw("<w:gridCol").attribute("w:w", twips(cell.width)).raw("/>");
    xml.raw("</w:tblGrid>");
}

void DocumentXmlWriter::tableRow(const TableRow& row) {
    Markup xml(m_text);
    xml.raw("<w:tr>");
    for (const Cell& cell : row.cells) {
        xml.raw("<w:tc>");
        writeCellProperties(xml, cell);
        for (const Paragraph& paragraph : cell.paragraphs) writeParagraph(xml, paragraph);
        xml.raw("</w:tc>");
    }
    xml.raw("</w:tr>");
    flushWhenFull();
}

void DocumentXmlWriter::tableEnd() { m_text.append("</w:tbl>"); }

void DocumentXmlWriter::finish(const PageMargins& margins) {
    Markup xml(m_text);
    xml.raw("<w:sectPr><w:pgSz")
        .attribute("w:w", twips(kPageWidthPoints))
        .attribute("w:h", twips(kPageHeightPoints))
        .raw("/><w:pgMar")
        .attribute("w:top", twips(margins.top))
        .attribute("w:right", twips(margins.right))
        .attribute("w:bottom", twips(margins.bottom))
        .attribute("w:left", twips(margins.left))
        // Header and footer 1.25 cm from the edge, as Word places them by default.
        .attribute("w:header", "709")
        .attribute("w:footer", "709")
        .attribute("w:gutter", "0")
        .raw("/></w:sectPr></w:body></w:document>");
    m_output(m_text);
    m_text.clear();
}

void sendDocument(const Document& document, DocumentSink& sink) {
    for (const Block& block : document.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            sink.paragraph(*paragraph);
            continue;
        }
        const Table& table = std::get<Table>(block);
        if (table.rows.empty()) continue;
        sink.tableStart(table, table.rows.front());
        for (const TableRow& row : table.rows) sink.tableRow(row);
        sink.tableEnd();
    }
}

}  // namespace tabrin::report
