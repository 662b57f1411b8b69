// What a report contains: the tables of the included groups with their rows in view order, and
// the heading and note above them.
#include <gtest/gtest.h>

#include "report/reportcontent.h"
#include "sampleprofile.h"

namespace tabrin::report {
namespace {

using test::w;

struct ExpectedTable {
    std::string title;                    // UTF-8
    std::vector<std::string> firstCells;  // the description (or the number) of each row, UTF-8
};

class ReportContentTest : public SampleProfile {
protected:
    ReportContent prepare(const ReportOptions& options) {
        return prepareReport(m_profile, m_texts, m_sets, options, app::Language::Russian, m_translator);
    }

    static std::vector<ExpectedTable> tablesOf(const ReportContent& content, std::size_t column = 0) {
        std::vector<ExpectedTable> tables;
        for (const ReportTable& table : content.tables) {
            ExpectedTable& summary = tables.emplace_back(ExpectedTable{cp1251::toUtf8(table.title), {}});
            for (const auto& row : table.rows) summary.firstCells.push_back(cp1251::toUtf8(row.at(column)));
        }
        return tables;
    }
};

bool operator==(const ExpectedTable& a, const ExpectedTable& b) {
    return a.title == b.title && a.firstCells == b.firstCells;
}

void PrintTo(const ExpectedTable& table, std::ostream* out) {
    *out << table.title << ":";
    for (const std::string& cell : table.firstCells) *out << ' ' << cell;
}

TEST_F(ReportContentTest, RowsGoToTheTablesOfTheirGroups) {
    ReportOptions outside;
    outside.outsideGroup = true;
    ReportOptions groupOneOnly;
    groupOneOnly.startGroup = groupOneOnly.endGroup = 1;
    ReportOptions indexes2600To2800;
    indexes2600To2800.startIndex = 0x2600;
    indexes2600To2800.endIndex = 0x2800;
    indexes2600To2800.outsideGroup = true;
    ReportOptions fromIndex1000;
    fromIndex1000.startIndex = 0x1000;
    struct Case {
        const char* name;
        ReportOptions options;
        std::vector<ExpectedTable> tables;
    };
    const Case cases[] = {
        {"defaults: no outside group, nothing below 2500h, no roots",
         {},
         {{"Общ.", {"D3000h00h"}}, {"Дв.", {"D2700h00h"}}, {"1. Защ.", {"D2500h01h", "D2500h02h (секретный)"}}}},
        {"outside group: empty, non-numeric and negative groups",
         outside,
         {{"Общ.", {"D3000h00h"}},
          {"Дв.", {"D2700h00h"}},
          {"Вне групп", {"D2600h00h", "D2800h00h", "D2900h00h"}},
          {"1. Защ.", {"D2500h01h", "D2500h02h (секретный)"}}}},
        {"group range", groupOneOnly, {{"1. Защ.", {"D2500h01h", "D2500h02h (секретный)"}}}},
        {"index range, both ends included",
         indexes2600To2800,
         {{"Дв.", {"D2700h00h"}}, {"Вне групп", {"D2600h00h", "D2800h00h"}}}},
        {"lower index bound",
         fromIndex1000,
         {{"Общ.", {"D1000h00h", "D3000h00h"}},
          {"Дв.", {"D2700h00h"}},
          {"1. Защ.", {"D2500h01h", "D2500h02h (секретный)"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportContent content = prepare(c.options);
        EXPECT_EQ(tablesOf(content), c.tables);
        int rows = 0;
        for (const ExpectedTable& table : c.tables) rows += static_cast<int>(table.firstCells.size());
        EXPECT_EQ(content.rowCount(), rows);
    }
}

TEST_F(ReportContentTest, NumberColumnAndItsNote) {
    ReportOptions numbered;
    numbered.numberColumn = true;
    numbered.outsideGroup = true;
    ReportContent content = prepare(numbered);
    EXPECT_EQ(tablesOf(content, 1),
              (std::vector<ExpectedTable>{
                  {"Общ.", {"1"}}, {"Дв.", {"1"}}, {"Вне групп", {"1", "2", "3"}}, {"1. Защ.", {"01.01", "01.02"}}}));
    EXPECT_EQ(cp1251::toUtf8(content.note),
              "Примечание: номер параметра в столбце '№' указан в формате NN.MM, где:\n"
              "NN - номер группы, MM - номер параметра внутри группы");

    numbered.groupsFromZero = true;
    numbered.longTexts = true;
    content = prepare(numbered);
    EXPECT_EQ(tablesOf(content, 1), (std::vector<ExpectedTable>{{"0. Общие", {"00.01"}},
                                                                {"1. Двигатель", {"01.01"}},
                                                                {"2. Вне групп", {"02.01", "02.02", "02.03"}},
                                                                {"3. Защиты", {"03.01", "03.02"}}}));
    EXPECT_TRUE(prepare({}).note.empty());
}

TEST_F(ReportContentTest, CellsFollowTheColumns) {
    ReportOptions everything;
    everything.numberColumn = everything.cNames = true;
    everything.secretMark = false;
    const ReportContent content = prepare(everything);
    ASSERT_EQ(content.columns.size(), 6u);
    EXPECT_EQ(content.tables.back().rows.back(),
              (std::vector<std::string>{"D2500h02h", "01.02", "T2500h", "0 - 10\n[5]", "2500.02", "v2500h"}));
    EXPECT_EQ(cp1251::toUtf8(content.heading), "Параметры профиля /profiles/drive.xml");
}

TEST_F(ReportContentTest, NoGroupEnumerationMeansNoTables) {
    m_sets.elements().clear();
    EXPECT_TRUE(prepare({}).tables.empty());
}

TEST_F(ReportContentTest, TheCurrentConfigurationsViewIsReported) {
    model::DictObject changed = object("2700h", "00h", kEditableU16, "1");
    changed.description = "changed";
    m_profile.configurations.push_back({{}, "variant", {changed}});
    m_profile.setCurrent(1);
    EXPECT_EQ(tablesOf(prepare({}))[1], (ExpectedTable{"Дв.", {"changed"}}));
}

}  // namespace
}  // namespace tabrin::report
