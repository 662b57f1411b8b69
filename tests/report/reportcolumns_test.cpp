// The column set of the report's tables, their widths and their translated titles.
#include <gtest/gtest.h>

#include <numeric>

#include "app/translator.h"
#include "report/reportcolumns.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::report {
namespace {

using test::w;

std::vector<ColumnContent> contents(const std::vector<ReportColumn>& columns) {
    std::vector<ColumnContent> result;
    for (const ReportColumn& column : columns) result.push_back(column.content);
    return result;
}

double totalWidth(const std::vector<ReportColumn>& columns) {
    return std::accumulate(columns.begin(), columns.end(), 0.0,
                           [](double sum, const ReportColumn& column) { return sum + column.widthCm; });
}

TEST(ReportColumns, SetAndWidthsFollowTheOptions) {
    using enum ColumnContent;
    ReportOptions everything;
    everything.numberColumn = everything.cNames = everything.longTexts = true;
    ReportOptions noIndex;
    noIndex.indexColumn = false;
    struct Case {
        const char* name;
        ReportOptions options;
        std::vector<ColumnContent> columns;
        double descriptionWidth;
        double nameWidth;
    };
    const Case cases[] = {
        {"defaults", {}, {Description, Name, Range, IdSubId}, 17.5 - 1.6 - 2.52 - 1.65, 1.6},
        {"every column, long names",
         everything,
         {Description, Number, Name, Range, IdSubId, CName},
         17.5 - 1.0 - 4.8 - 2.52 - 1.65 - 1.65,
         4.8},
        {"without the index column", noIndex, {Description, Name, Range}, 17.5 - 1.6 - 2.52, 1.6},
    };
    app::Translator russian;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ReportColumn> columns = reportColumns(c.options, russian);
        EXPECT_EQ(contents(columns), c.columns);
        EXPECT_DOUBLE_EQ(columns.front().widthCm, c.descriptionWidth);
        EXPECT_DOUBLE_EQ(columns[c.columns[1] == Number ? 2 : 1].widthCm, c.nameWidth);
        EXPECT_DOUBLE_EQ(totalWidth(columns), kTableWidthCm) << "the table spans the text width";
    }
}

TEST(ReportColumns, AlignmentsCentreAllButTheDescriptionData) {
    ReportOptions everything;
    everything.numberColumn = everything.cNames = true;
    app::Translator russian;
    for (const ReportColumn& column : reportColumns(everything, russian)) {
        SCOPED_TRACE(static_cast<int>(column.content));
        EXPECT_EQ(column.headerAlignment, ParagraphAlignment::Center);
        EXPECT_EQ(column.verticalAlignment, VerticalAlignment::Center);
        EXPECT_EQ(column.dataAlignment,
                  column.content == ColumnContent::Description ? ParagraphAlignment::Left : ParagraphAlignment::Center);
    }
}

TEST(ReportColumns, TitlesInTheInterfaceLanguage) {
    const test::TempFolder folder;
    const auto entry = [](std::string_view russian, std::string_view english) {
        return "<_" + std::to_string(app::textHash(w(russian))) + " RUS=\"" + std::string(russian) + "\" ENG=\"" +
               std::string(english) + "\" />\n";
    };
    test::writeFile(folder.path() / "lang_dict.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" +
                                                         entry("Описание", "Description") + entry("Имя", "Name") +
                                                         entry("Диапазон\nзначений\n[зн. по умолч.]", "Range") +
                                                         entry("Имя перем. Си", "C variable"));
    app::Translator english;
    english.loadDictionary(folder.path() / "lang_dict.xml", 1);
    ReportOptions everything;
    everything.numberColumn = everything.cNames = true;
    std::vector<std::string> titles;
    for (const ReportColumn& column : reportColumns(everything, english))
        titles.push_back(cp1251::toUtf8(column.title));
    EXPECT_EQ(titles, (std::vector<std::string>{"Description", "№", "Name", "Range", "ID.SubID", "C variable"}));
}

}  // namespace
}  // namespace tabrin::report
