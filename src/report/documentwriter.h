// Builds a document through the calls a report makes on a word processor's selection: typing,
// paragraphs, fonts, page margins and tables filled cell by cell.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "report/documentmodel.h"
#include "report/documentxml.h"

namespace tabrin::report {

/// Follows Word's automation model on its own document: the selection is an insertion point that
/// can be extended over its line or a whole cell, and what is set on it applies to what it covers
/// and to the text typed next. Text is only ever typed at the end of the document or of a cell.
/// Word's window and keyboard (Visible, Keyboard) have no counterpart here. A call that needs a
/// table or a cell where the selection has none does nothing.
///
/// Given a sink, the writer passes every part on as soon as the selection has left it for good,
/// and keeps only the parts still open: the paragraphs from the selection's on, and of a table the
/// row holding the selection. A row passed on can no longer be selected or changed.
class DocumentWriter {
public:
    /// A document of one empty paragraph with the selection in it.
    DocumentWriter();
    explicit DocumentWriter(DocumentSink& sink);

    /// The document, or with a sink the parts not yet passed on, and the page margins.
    const Document& document() const { return m_document; }

    /// Passes the parts still held on to the sink: the document is complete.
    void finish();

    /// PageSetup margins.
    void setPageMargins(const PageMargins& margins);

    /// ParagraphFormat of the selected paragraphs and of those typed after them.
    void setSpaceBefore(double points);
    void setSpaceAfter(double points);
    void setParagraphAlignment(ParagraphAlignment alignment);

    /// Font of the selected text and of the text typed next.
    void setFontSize(double points);
    void setFontName(std::string_view name);
    void setBold(bool bold);

    /// TypeText: replaces a selection that covers text; CR, LF and CR LF start new paragraphs.
    void typeText(std::string_view text);
    /// TypeParagraph: a new paragraph with the formatting of the current one.
    void typeParagraph();
    /// HomeKey(wdLine, wdExtend): extends the selection over the current line (paragraph).
    void selectToLineStart();
    /// EndKey(wdLine): collapses the selection to the end of the line.
    void collapseToLineEnd();

    /// Tables.Add(Selection.Range, rows, columns): a table of equal columns across the text width
    /// in the current (empty) paragraph, which stays after it; the selection goes to its first cell.
    void addTable(int rows, int columns);
    /// LeftPadding and RightPadding of the table holding the selection.
    void setTablePadding(double left, double right);
    /// Cell(row, column).Select in the table holding the selection; both count from 1.
    void selectCell(int row, int column);
    /// VerticalAlignment, Width and Shading (with no texture) of the selected cell.
    void setCellVerticalAlignment(VerticalAlignment alignment);
    void setCellWidth(double points);
    void setCellShading(std::uint32_t foregroundColor, std::uint32_t backgroundColor);
    /// Columns.Borders.OutsideLineStyle: the borders of every cell of the selected column.
    void setColumnBorders(LineStyle style);
    /// MoveRight(wdCell): the next cell; after the last cell a new row formatted like the last one.
    void moveToNextCell();
    /// MoveRight(wdCharacter, count): inside a table each step passes the end of a cell or of a
    /// row, so two steps from the end of a table's last cell leave the table.
    void moveRight(int count);

private:
    enum class Extent { InsertionPoint, Line, Cell };

    struct Selection {
        std::size_t block = 0;  // the paragraph, or the table, in the body
        int row = -1;           // -1: in the body paragraph at `block`
        int column = -1;
        bool atRowEnd = false;  // past the last cell of `row`
        Extent extent = Extent::InsertionPoint;
    };

    bool inTable() const { return m_selection.row >= 0; }
    Table& currentTable();
    Cell& currentCell();
    Paragraph& currentParagraph();
    void applyParagraphFormat(const std::function<void(ParagraphFormat&)>& change);
    void applyCharacterFormat(const std::function<void(CharacterFormat&)>& change);
    void appendText(std::string_view text);
    void clearSelectedText();
    /// With a sink: passes on the blocks before the selection's and the rows above its row.
    void passOnLeftParts();
    void passOnRows(Table& table, std::size_t count);

    Document m_document;
    Selection m_selection;
    CharacterFormat m_typing;
    DocumentSink* m_sink = nullptr;
    // The table whose first rows went to the sink: how many, counted from its start.
    std::size_t m_rowsPassedOn = 0;
};

}  // namespace tabrin::report
