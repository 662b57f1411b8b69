// The document writer follows the word processor's selection: typing, paragraphs, bold lines,
// tables that grow a row at a time, and leaving a table.
#include <gtest/gtest.h>

#include "report/documentwriter.h"
#include "report/documentxml.h"

namespace tabrin::report {
namespace {

std::string textOf(const Paragraph& paragraph) {
    std::string text;
    for (const Run& run : paragraph.runs) text += run.text;
    return text;
}

std::vector<std::string> paragraphTexts(const std::vector<Paragraph>& paragraphs) {
    std::vector<std::string> texts;
    for (const Paragraph& paragraph : paragraphs) texts.push_back(textOf(paragraph));
    return texts;
}

const Paragraph& paragraphAt(const DocumentWriter& writer, std::size_t block) {
    return std::get<Paragraph>(writer.document().body.at(block));
}

const Table& tableAt(const DocumentWriter& writer, std::size_t block) {
    return std::get<Table>(writer.document().body.at(block));
}

const Cell& cellAt(const DocumentWriter& writer, std::size_t block, std::size_t row, std::size_t column) {
    return tableAt(writer, block).rows.at(row).cells.at(column);
}

TEST(DocumentWriter, LineBreaksStartParagraphsAndControlCharactersAreDropped) {
    DocumentWriter writer;
    writer.typeText("a\nb\r\nc\rd\x01\te");
    ASSERT_EQ(writer.document().body.size(), 4u);
    EXPECT_EQ(textOf(paragraphAt(writer, 0)), "a");
    EXPECT_EQ(textOf(paragraphAt(writer, 1)), "b");
    EXPECT_EQ(textOf(paragraphAt(writer, 2)), "c");
    EXPECT_EQ(textOf(paragraphAt(writer, 3)), "d\te");
}

TEST(DocumentWriter, NewParagraphsCarryTheFormattingOn) {
    DocumentWriter writer;
    writer.setParagraphAlignment(ParagraphAlignment::Center);
    writer.setSpaceAfter(6);
    writer.setFontSize(9);
    writer.setFontName("Arial");
    writer.typeText("one");
    writer.typeParagraph();
    writer.typeText("two");
    const Paragraph& second = paragraphAt(writer, 1);
    EXPECT_EQ(second.format.alignment, ParagraphAlignment::Center);
    EXPECT_EQ(second.format.spaceAfter, 6);
    ASSERT_EQ(second.runs.size(), 1u);
    EXPECT_EQ(second.runs[0].format, (CharacterFormat{"Arial", 9, false}));
}

TEST(DocumentWriter, BoldOverTheCurrentLineOnly) {
    DocumentWriter writer;
    writer.typeText("heading");
    writer.typeParagraph();
    writer.typeText("title");
    writer.selectToLineStart();
    writer.setBold(true);
    writer.collapseToLineEnd();
    writer.typeParagraph();
    writer.setBold(false);
    writer.typeText("body");
    EXPECT_FALSE(paragraphAt(writer, 0).runs[0].format.bold);
    EXPECT_TRUE(paragraphAt(writer, 1).runs[0].format.bold);
    EXPECT_FALSE(paragraphAt(writer, 2).runs[0].format.bold);
    EXPECT_FALSE(paragraphAt(writer, 2).mark.bold);
}

TEST(DocumentWriter, TypingReplacesASelectedLine) {
    DocumentWriter writer;
    writer.typeText("old");
    writer.selectToLineStart();
    writer.typeText("new");
    EXPECT_EQ(textOf(paragraphAt(writer, 0)), "new");
}

TEST(DocumentWriter, TableTakesTheEmptyParagraphWhichStaysAfterIt) {
    struct Case {
        const char* name;
        bool paragraphBefore;
    };
    for (const Case& c : {Case{"in an empty paragraph", true}, Case{"after text, in a new paragraph", false}}) {
        SCOPED_TRACE(c.name);
        DocumentWriter writer;
        writer.setPageMargins({60, 40, 40, 40});
        writer.typeText("title");
        if (c.paragraphBefore) writer.typeParagraph();
        writer.addTable(1, 3);
        writer.typeText("first");
        const auto& body = writer.document().body;
        ASSERT_EQ(body.size(), 3u);
        EXPECT_EQ(textOf(paragraphAt(writer, 0)), "title");
        EXPECT_EQ(textOf(paragraphAt(writer, 2)), "");
        const Table& table = tableAt(writer, 1);
        ASSERT_EQ(table.rows.size(), 1u);
        ASSERT_EQ(table.rows[0].cells.size(), 3u);
        EXPECT_EQ(paragraphTexts(table.rows[0].cells[0].paragraphs), std::vector<std::string>{"first"});
        for (const Cell& cell : table.rows[0].cells) EXPECT_DOUBLE_EQ(cell.width, (kPageWidthPoints - 100) / 3);
    }
}

TEST(DocumentWriter, NextCellAfterTheLastAddsARowFormattedLikeIt) {
    DocumentWriter writer;
    writer.addTable(1, 2);
    writer.selectCell(1, 1);
    writer.setFontSize(9);
    writer.setCellWidth(100);
    writer.setCellVerticalAlignment(VerticalAlignment::Center);
    writer.setParagraphAlignment(ParagraphAlignment::Center);
    writer.typeText("header");
    writer.setCellShading(kAutomaticColor, 0xE0E0E0);
    writer.selectCell(1, 2);
    writer.typeText("second");
    writer.moveToNextCell();
    writer.typeText("data");
    writer.moveToNextCell();
    writer.typeText("more");

    const Table& table = tableAt(writer, 0);
    ASSERT_EQ(table.rows.size(), 2u) << "the second move stays in the added row";
    const Cell& added = table.rows[1].cells[0];
    EXPECT_EQ(paragraphTexts(added.paragraphs), std::vector<std::string>{"data"});
    EXPECT_EQ(paragraphTexts(table.rows[1].cells[1].paragraphs), std::vector<std::string>{"more"});
    EXPECT_EQ(added.width, 100);
    EXPECT_EQ(added.verticalAlignment, VerticalAlignment::Center);
    EXPECT_EQ(added.shading.background, 0xE0E0E0u);
    EXPECT_EQ(added.paragraphs[0].format.alignment, ParagraphAlignment::Center);
    EXPECT_EQ(added.paragraphs[0].runs[0].format.size, 9);
}

TEST(DocumentWriter, FormattingASelectedCellReachesItsText) {
    DocumentWriter writer;
    writer.addTable(1, 1);
    writer.typeText("a\nb");
    writer.selectCell(1, 1);
    writer.setBold(true);
    writer.setParagraphAlignment(ParagraphAlignment::Right);
    for (const Paragraph& paragraph : cellAt(writer, 0, 0, 0).paragraphs) {
        EXPECT_TRUE(paragraph.runs[0].format.bold);
        EXPECT_EQ(paragraph.format.alignment, ParagraphAlignment::Right);
    }
    writer.typeText("replaced");
    EXPECT_EQ(paragraphTexts(cellAt(writer, 0, 0, 0).paragraphs), std::vector<std::string>{"replaced"});
}

TEST(DocumentWriter, ColumnBordersCoverEveryCellOfTheColumn) {
    DocumentWriter writer;
    writer.addTable(2, 2);
    writer.selectCell(1, 2);
    writer.setColumnBorders(LineStyle::None);
    EXPECT_EQ(cellAt(writer, 0, 0, 1).borders, LineStyle::None);
    EXPECT_EQ(cellAt(writer, 0, 1, 1).borders, LineStyle::None);
    EXPECT_EQ(cellAt(writer, 0, 0, 0).borders, LineStyle::Single);
}

TEST(DocumentWriter, MovingRightPassesCellEndsThenRowEnds) {
    DocumentWriter writer;
    writer.typeParagraph();
    writer.addTable(2, 2);
    writer.moveRight(1);
    writer.typeText("1,2");
    writer.moveRight(2);
    writer.typeText("2,1");
    writer.selectCell(2, 2);
    writer.moveRight(2);
    writer.typeText("after");
    EXPECT_EQ(paragraphTexts(cellAt(writer, 1, 0, 1).paragraphs), std::vector<std::string>{"1,2"});
    EXPECT_EQ(paragraphTexts(cellAt(writer, 1, 1, 0).paragraphs), std::vector<std::string>{"2,1"});
    EXPECT_EQ(textOf(paragraphAt(writer, 2)), "after");
    writer.moveRight(5);
    writer.typeText(" still");
    EXPECT_EQ(textOf(paragraphAt(writer, 2)), "after still") << "the end of the document stops the selection";
}

TEST(DocumentWriter, TableCallsOutsideATableChangeNothing) {
    DocumentWriter writer;
    writer.typeText("text");
    const auto before = paragraphAt(writer, 0).runs.size();
    writer.selectCell(1, 1);
    writer.setCellWidth(10);
    writer.setCellShading(0, 0);
    writer.setColumnBorders(LineStyle::None);
    writer.setTablePadding(1, 1);
    writer.moveToNextCell();
    writer.typeText("!");
    ASSERT_EQ(writer.document().body.size(), 1u);
    EXPECT_EQ(paragraphAt(writer, 0).runs.size(), before);
    EXPECT_EQ(textOf(paragraphAt(writer, 0)), "text!");

    writer.addTable(1, 1);
    writer.selectCell(2, 1);
    writer.typeText("in the only cell");
    EXPECT_EQ(paragraphTexts(cellAt(writer, 1, 0, 0).paragraphs), std::vector<std::string>{"in the only cell"});
}


// The text of word/document.xml for what a writer built, passed on part by part or held whole.
class MainPartText {
public:
    MainPartText() : m_xml([this](std::string_view piece) { m_text += piece; }) {}

    DocumentSink& sink() { return m_xml; }

    const std::string& finished(const PageMargins& margins) {
        m_xml.finish(margins);
        return m_text;
    }

private:
    std::string m_text;
    DocumentXmlWriter m_xml;
};

// A report's calls: heading, bold titles, tables with a shaded header and many rows.
void writeTables(DocumentWriter& writer, int rows) {
    writer.setPageMargins({56.7, 42.525, 42.525, 42.525});
    writer.setFontSize(9);
    writer.typeText("heading & <notes>\nsecond line");
    writer.typeParagraph();
    for (const char* title : {"first table", "second table"}) {
        writer.typeParagraph();
        writer.typeText(title);
        writer.selectToLineStart();
        writer.setBold(true);
        writer.collapseToLineEnd();
        writer.typeParagraph();
        writer.setBold(false);
        writer.addTable(1, 2);
        writer.setTablePadding(2.835, 2.835);
        for (int column = 1; column <= 2; ++column) {
            writer.selectCell(1, column);
            writer.setColumnBorders(LineStyle::Single);
            writer.setCellWidth(50.0 * column);
            writer.typeText("header");
            writer.setCellShading(kAutomaticColor, 0xE0E0E0);
        }
        for (int row = 2; row < rows + 2; ++row) {
            writer.moveToNextCell();
            for (int column = 1; column <= 2; ++column) {
                writer.selectCell(row, column);
                if (row == 2) writer.setCellShading(kAutomaticColor, kAutomaticColor);
                writer.typeText("row " + std::to_string(row) + "\ncolumn " + std::to_string(column));
            }
        }
        writer.collapseToLineEnd();
        writer.moveRight(2);
    }
    writer.typeText("end");
}

TEST(DocumentWriter, PassedOnPartByPartTheDocumentIsTheOneHeldWhole) {
    constexpr int kRows = 1500;  // far more text than one piece of the main part
    DocumentWriter whole;
    writeTables(whole, kRows);
    MainPartText expected;
    sendDocument(whole.document(), expected.sink());

    MainPartText streamed;
    DocumentWriter writer(streamed.sink());
    writeTables(writer, kRows);
    ASSERT_EQ(writer.document().body.size(), 1u) << "only the paragraph being typed is held";
    writer.finish();
    EXPECT_TRUE(writer.document().body.empty());
    EXPECT_EQ(streamed.finished(writer.document().margins), expected.finished(whole.document().margins));
}

TEST(DocumentWriter, RowsPassedOnCannotBeSelectedAgain) {
    MainPartText streamed;
    DocumentWriter writer(streamed.sink());
    writer.addTable(1, 1);
    writer.typeText("first");
    writer.moveToNextCell();
    writer.typeText("second");
    ASSERT_EQ(tableAt(writer, 0).rows.size(), 1u);
    writer.selectCell(1, 1);
    writer.typeText(" row");
    writer.selectCell(2, 1);
    writer.setBold(true);
    EXPECT_EQ(paragraphTexts(cellAt(writer, 0, 0, 0).paragraphs), std::vector<std::string>{"second row"});
    EXPECT_TRUE(cellAt(writer, 0, 0, 0).paragraphs[0].runs[0].format.bold);
}

}  // namespace
}  // namespace tabrin::report
