// A report run: the .docx it writes, the progress it reports, and stopping it.
#include <gtest/gtest.h>

#include <cmath>

#include "report/reportrun.h"
#include "sampleprofile.h"
#include "support/docxreader.h"
#include "support/tempfolder.h"

namespace tabrin::report {
namespace {

using test::DocxDocument;

class ReportRunTest : public SampleProfile {
protected:
    ReportRunTest() {
        m_options.outsideGroup = true;
        m_options.numberColumn = true;
        m_options.cNames = true;
        m_content = prepareReport(m_profile, m_texts, m_sets, m_options, app::Language::Russian, m_translator);
    }

    std::filesystem::path file() const { return m_folder.path() / "report.docx"; }

    ReportOptions m_options;
    ReportContent m_content;
    test::TempFolder m_folder;
};

std::string twips(double centimetres) { return std::to_string(std::lround(centimetres * 28.35 * 20)); }

TEST_F(ReportRunTest, EveryTableHasABoldTitleAShadedHeaderAndTheRowsOfItsGroup) {
    ASSERT_EQ(writeReport(m_content, file(), {}, {}), ReportStatus::Written);
    DocxDocument document;
    ASSERT_TRUE(document.load(file()));

    const std::vector<pugi::xml_node> tables = document.tables();
    ASSERT_EQ(tables.size(), m_content.tables.size());
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const ReportTable& expected = m_content.tables[t];
        SCOPED_TRACE(cp1251::toUtf8(expected.title));
        const pugi::xml_node title = DocxDocument::paragraphBefore(tables[t]);
        EXPECT_EQ(DocxDocument::paragraphText(title), cp1251::toUtf8(expected.title));
        EXPECT_TRUE(DocxDocument::isBold(title));

        const std::vector<pugi::xml_node> rows = DocxDocument::rows(tables[t]);
        ASSERT_EQ(rows.size(), expected.rows.size() + 1);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::vector<pugi::xml_node> cells = DocxDocument::cells(rows[r]);
            ASSERT_EQ(cells.size(), m_content.columns.size());
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const ReportColumn& column = m_content.columns[c];
                const pugi::xml_node properties = cells[c].child("w:tcPr");
                EXPECT_EQ(properties.child("w:tcW").attribute("w:w").value(), twips(column.widthCm));
                EXPECT_STREQ(properties.child("w:vAlign").attribute("w:val").value(), "center");
                EXPECT_STREQ(properties.child("w:tcBorders").child("w:left").attribute("w:val").value(), "single");
                const char* alignment = cells[c].child("w:p").child("w:pPr").child("w:jc").attribute("w:val").value();
                if (r == 0) {
                    EXPECT_EQ(DocxDocument::cellText(cells[c]), cp1251::toUtf8(column.title));
                    EXPECT_EQ(DocxDocument::cellFill(cells[c]), "E0E0E0");
                    EXPECT_STREQ(alignment, "center");
                } else {
                    EXPECT_EQ(DocxDocument::cellText(cells[c]), cp1251::toUtf8(expected.rows[r - 1][c]));
                    EXPECT_EQ(DocxDocument::cellFill(cells[c]), "") << "data rows are not shaded";
                    EXPECT_STREQ(alignment, c == 0 ? "left" : "center");
                }
            }
        }
    }
}

TEST_F(ReportRunTest, PageFontsHeadingAndNote) {
    ASSERT_EQ(writeReport(m_content, file(), {}, {}), ReportStatus::Written);
    DocxDocument document;
    ASSERT_TRUE(document.load(file()));
    const pugi::xml_node margins = document.body().child("w:sectPr").child("w:pgMar");
    EXPECT_STREQ(margins.attribute("w:left").value(), "1134");  // 2 cm
    for (const char* side : {"w:right", "w:top", "w:bottom"}) EXPECT_STREQ(margins.attribute(side).value(), "851");

    const std::vector<pugi::xml_node> paragraphs = DocxDocument::children(document.body(), "w:p");
    ASSERT_GE(paragraphs.size(), 5u);
    EXPECT_EQ(DocxDocument::paragraphText(paragraphs[0]), "Параметры профиля /profiles/drive.xml");
    EXPECT_EQ(DocxDocument::paragraphText(paragraphs[1]), "");
    EXPECT_EQ(DocxDocument::paragraphText(paragraphs[2]),
              "Примечание: номер параметра в столбце '№' указан в формате NN.MM, где:");
    EXPECT_EQ(DocxDocument::paragraphText(paragraphs[3]), "NN - номер группы, MM - номер параметра внутри группы");
    EXPECT_FALSE(DocxDocument::isBold(paragraphs[0]));

    for (const pugi::xpath_node& run : document.body().select_nodes(".//w:r")) {
        const pugi::xml_node format = run.node().child("w:rPr");
        EXPECT_STREQ(format.child("w:sz").attribute("w:val").value(), "18");
        EXPECT_STREQ(format.child("w:rFonts").attribute("w:ascii").value(), "Times New Roman");
    }
}

TEST_F(ReportRunTest, ProgressCountsEveryRowFromNoneToAll) {
    std::vector<ReportProgress> reported;
    ASSERT_EQ(writeReport(m_content, file(), {}, [&](const ReportProgress& p) { reported.push_back(p); }),
              ReportStatus::Written);
    const int total = m_content.rowCount();
    ASSERT_EQ(reported.size(), static_cast<std::size_t>(total) + 1);
    for (std::size_t i = 0; i < reported.size(); ++i) {
        EXPECT_EQ(reported[i].rowsDone, static_cast<int>(i));
        EXPECT_EQ(reported[i].rowsTotal, total);
        if (i > 0) {
            EXPECT_GE(reported[i].elapsed, reported[i - 1].elapsed);
        }
    }
}

TEST_F(ReportRunTest, StopIsTestedBeforeEveryTableAndRow) {
    // Tables of 1, 1, 3 and 2 rows.
    struct Case {
        const char* name;
        int stopAfterRows;
        std::size_t tablesBegun;
        std::size_t rowsInLastTable;  // the header included
    };
    const Case cases[] = {
        {"before the first table", 0, 0, 0},
        {"between tables", 2, 2, 2},
        {"inside a table", 3, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::stop_source stop;
        int reports = 0;
        DocumentWriter writer;
        const bool finished = fillReportDocument(m_content, writer, stop.get_token(), [&](const ReportProgress& p) {
            ++reports;
            if (p.rowsDone == c.stopAfterRows) stop.request_stop();
        });
        EXPECT_FALSE(finished);
        EXPECT_EQ(reports, c.stopAfterRows + 1) << "no progress after the stop";
        std::vector<const Table*> tables;
        for (const Block& block : writer.document().body) {
            if (const auto* table = std::get_if<Table>(&block)) tables.push_back(table);
        }
        ASSERT_EQ(tables.size(), c.tablesBegun);
        if (!tables.empty()) {
            EXPECT_EQ(tables.back()->rows.size(), c.rowsInLastTable);
        }
    }
}

TEST_F(ReportRunTest, AStoppedRunLeavesTheFileAsItWas) {
    test::writeFile(file(), "earlier report");
    std::stop_source stop;
    const auto stopAtOnce = [&](const ReportProgress&) { stop.request_stop(); };
    EXPECT_EQ(writeReport(m_content, file(), stop.get_token(), stopAtOnce), ReportStatus::Stopped);
    EXPECT_EQ(test::readFile(file()), "earlier report");
}

TEST_F(ReportRunTest, AFolderThatIsMissingCannotBeWritten) {
    EXPECT_EQ(writeReport(m_content, m_folder.path() / "missing" / "report.docx", {}, {}), ReportStatus::CannotWrite);
}

}  // namespace
}  // namespace tabrin::report
