// The report command run as a user runs it on the demo home: the .docx it writes, what its
// options change, its failures, and a word processor opening the result.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/consolemessageport.h"
#include "app/cp1251.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "support/docxreader.h"
#include "support/programrun.h"
#include "support/tempfolder.h"

namespace tabrin {
namespace {

using test::DocxDocument;

constexpr int kOutsideGroups = 2;

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
    }

    std::filesystem::path profile() const { return m_home.path() / "profiles" / "demo_drive.xml"; }
    std::filesystem::path output() const { return m_home.path() / "report.docx"; }

    test::ProgramRun report(const std::string& arguments) const {
        return test::runProgram(std::string(TABRIN_CLI_PATH) + " --home '" + m_home.path().string() +
                                "' --lang ru report " + arguments);
    }

    test::ProgramRun reportOfTheDemo(const std::string& options) const {
        return report("'" + profile().string() + "' -o '" + output().string() + "' " + options);
    }

    DocxDocument written() const {
        DocxDocument document;
        EXPECT_TRUE(document.load(output()));
        return document;
    }

    test::TempFolder m_home;
};

// The demo profile as the model reads it, and the rows each group should get by the report's
// rules: objects from 2500h on, roots left out, in view order.
struct ExpectedGroup {
    int position;
    std::string name;                   // short item text, UTF-8
    std::vector<std::string> idSubIds;  // "3000.01"
};

std::vector<ExpectedGroup> expectedGroups(const std::filesystem::path& home, const std::filesystem::path& file) {
    std::ostringstream messages;
    app::ConsoleMessagePort port(messages);
    bases::SetBase sets;
    EXPECT_TRUE(sets.load(bases::SetBase::filePath(home), port));
    app::Translator translator;
    model::Profile profile(translator, app::Language::Russian);
    EXPECT_TRUE(profile.load(file).ok());
    const bases::SetBaseElement* groups = sets.findSet(profile.settings.group_set);
    EXPECT_NE(groups, nullptr);
    std::vector<ExpectedGroup> expected;
    for (int position = 0; groups && position < static_cast<int>(groups->items.size()); ++position) {
        ExpectedGroup group{position, cp1251::toUtf8(groups->itemText(position, true, app::Language::Russian)), {}};
        for (const model::DictObject* object : profile.view()) {
            if (model::hexTextToNumber(object->index) < 0x2500 || object->isRoot()) continue;
            const std::optional<int> number = app::toInteger(object->group);
            const bool outside = !number || *number < 0;
            if (outside ? position != kOutsideGroups : *number != position) continue;
            group.idSubIds.push_back(object->index.substr(0, 4) + "." + object->subindex.substr(0, 2));
        }
        if (!group.idSubIds.empty()) expected.push_back(group);
    }
    return expected;
}

std::vector<std::string> columnTexts(pugi::xml_node table, std::size_t column) {
    std::vector<std::string> texts;
    const std::vector<pugi::xml_node> rows = DocxDocument::rows(table);
    for (std::size_t r = 1; r < rows.size(); ++r)
        texts.push_back(DocxDocument::cellText(DocxDocument::cells(rows[r]).at(column)));
    return texts;
}

TEST_F(ReportCommand, DemoProfileGivesOneTablePerGroupWithItsRowsInOrder) {
    const std::string before = test::readFile(profile());
    const test::ProgramRun run = reportOfTheDemo("--outside-group --number-column --c-names");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::readFile(profile()), before) << "the profile itself is never written";

    const std::vector<ExpectedGroup> expected = expectedGroups(m_home.path(), profile());
    const DocxDocument document = written();
    const std::vector<pugi::xml_node> tables = document.tables();
    ASSERT_EQ(tables.size(), expected.size());
    ASSERT_GE(tables.size(), 3u) << "the demo profile spreads its parameters over several groups";
    constexpr std::size_t kColumns = 6;
    constexpr std::size_t kIdSubIdColumn = 4;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        SCOPED_TRACE(expected[t].name);
        const pugi::xml_node title = DocxDocument::paragraphBefore(tables[t]);
        EXPECT_TRUE(DocxDocument::isBold(title));
        EXPECT_TRUE(DocxDocument::paragraphText(title).ends_with(expected[t].name))
            << DocxDocument::paragraphText(title);
        const std::vector<pugi::xml_node> header = DocxDocument::cells(DocxDocument::rows(tables[t]).at(0));
        ASSERT_EQ(header.size(), kColumns);
        for (const pugi::xml_node cell : header) EXPECT_EQ(DocxDocument::cellFill(cell), "E0E0E0");
        EXPECT_EQ(columnTexts(tables[t], kIdSubIdColumn), expected[t].idSubIds);
    }
    const std::string heading = DocxDocument::paragraphText(document.body().child("w:p"));
    EXPECT_EQ(heading, "Параметры профиля " + std::filesystem::absolute(profile()).string());
}

std::vector<std::string> idsOf(const std::vector<ExpectedGroup>& groups,
                               bool (*wanted)(const ExpectedGroup& group, const std::string& id)) {
    std::vector<std::string> ids;
    for (const ExpectedGroup& group : groups) {
        for (const std::string& id : group.idSubIds) {
            if (wanted(group, id)) ids.push_back(id);
        }
    }
    return ids;
}

std::vector<std::string> idsOf(const DocxDocument& document, std::size_t column) {
    std::vector<std::string> ids;
    for (const pugi::xml_node table : document.tables()) {
        for (const std::string& id : columnTexts(table, column)) ids.push_back(id);
    }
    return ids;
}

TEST_F(ReportCommand, OptionsShapeTheTables) {
    const std::vector<ExpectedGroup> expected = expectedGroups(m_home.path(), profile());
    const auto inNumberedGroups = [](const ExpectedGroup& group, const std::string&) {
        return group.position != kOutsideGroups;
    };
    const auto from3000To30FF = [](const ExpectedGroup&, const std::string& id) { return id.starts_with("30"); };
    struct Case {
        const char* name;
        std::string options;
        std::size_t columns;
        std::size_t idColumn;
        std::vector<std::string> ids;  // empty: not checked
    };
    const Case cases[] = {
        {"defaults: no outside group", "", 4, 3, idsOf(expected, inNumberedGroups)},
        {"index range, outside group", "--start-index 3000 --end-index 30ff --outside-group", 4, 3,
         idsOf(expected, from3000To30FF)},
        {"C variables, no index column", "--no-index-column --c-names", 4, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::ProgramRun run = reportOfTheDemo(c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const DocxDocument document = written();
        ASSERT_FALSE(document.tables().empty());
        for (const pugi::xml_node table : document.tables()) {
            EXPECT_EQ(DocxDocument::cells(DocxDocument::rows(table).at(0)).size(), c.columns);
        }
        if (!c.ids.empty()) {
            EXPECT_EQ(idsOf(document, c.idColumn), c.ids);
        }
    }
}

// The demo's group enumeration keeps position 2 for the parameters outside groups, so its default
// report shows every group that has parameters, the ones before position 2 without a number.
TEST_F(ReportCommand, DemoDefaultReportShowsEveryGroup) {
    const test::ProgramRun run = reportOfTheDemo("");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const DocxDocument document = written();
    std::vector<std::string> titles;
    for (const pugi::xml_node table : document.tables())
        titles.push_back(DocxDocument::paragraphText(DocxDocument::paragraphBefore(table)));
    EXPECT_EQ(titles, (std::vector<std::string>{"Общие", "Связь", "1. Двигатель", "2. Регуляторы", "3. Защиты"}));

    const std::vector<ExpectedGroup> groups = expectedGroups(m_home.path(), profile());
    const auto outside = std::find_if(groups.begin(), groups.end(),
                                      [](const ExpectedGroup& group) { return group.position == kOutsideGroups; });
    ASSERT_NE(outside, groups.end());
    EXPECT_EQ(outside->name, "Вне групп");
    EXPECT_EQ(outside->idSubIds, (std::vector<std::string>{"2600.01"})) << "the vendor token only";
}

TEST_F(ReportCommand, OneGroupNumberedFromZero) {
    const test::ProgramRun run = reportOfTheDemo("--start-group 1 --end-group 1 --groups-from-zero --number-column");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const DocxDocument document = written();
    const std::vector<pugi::xml_node> tables = document.tables();
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_TRUE(DocxDocument::paragraphText(DocxDocument::paragraphBefore(tables[0])).starts_with("3. "));
    const std::vector<std::string> numbers = columnTexts(tables[0], 1);
    ASSERT_FALSE(numbers.empty());
    for (std::size_t m = 0; m < numbers.size(); ++m) {
        EXPECT_EQ(numbers[m], (m + 1 < 10 ? "03.0" : "03.") + std::to_string(m + 1));
    }
}

TEST_F(ReportCommand, ReportsTheProfileAsOpeningLeavesIt) {
    // A home with a vendor token: opening asks about the profile's origin and writes the token
    // into 2600h.01h, which the report then shows as its default.
    const auto settings = m_home.path() / "Tabrin4.INI";
    std::string ini = test::readFile(settings);
    ini.replace(ini.find("VendorToken="), 12, "VendorToken=1234ABCD");
    test::writeFile(settings, ini);
    const std::string before = test::readFile(profile());

    const test::ProgramRun run = reportOfTheDemo("--outside-group");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err, "") << "the questions of opening are told on the error stream";
    EXPECT_EQ(test::readFile(profile()), before);
    bool tokenShown = false;
    const DocxDocument document = written();
    for (const pugi::xml_node table : document.tables()) {
        const std::vector<std::string> ids = columnTexts(table, 3);
        for (std::size_t r = 0; r < ids.size(); ++r) {
            if (ids[r] == "2600.01") tokenShown = columnTexts(table, 2)[r].ends_with("[0x1234ABCD]");
        }
    }
    EXPECT_TRUE(tokenShown);
}

TEST_F(ReportCommand, ReplacesAnEarlierReport) {
    test::writeFile(output(), "earlier");
    ASSERT_EQ(reportOfTheDemo("").exitCode, 0);
    EXPECT_FALSE(written().tables().empty());
}

TEST_F(ReportCommand, RefusesWhatItCannotDo) {
    const std::string demo = "'" + profile().string() + "'";
    const std::string out = " -o '" + output().string() + "'";
    struct Case {
        const char* name;
        std::string arguments;
        int exitCode;
    };
    const Case cases[] = {
        {"no output", demo, 2},
        {"no profile", out, 2},
        {"two profiles", demo + " " + demo + out, 2},
        {"unknown option", demo + out + " --landscape", 2},
        {"index not hexadecimal", demo + out + " --start-index 25xx", 2},
        {"group not a number", demo + out + " --end-group many", 2},
        {"configuration not a number", demo + out + " --config first", 2},
        {"option without its value", demo + out + " --end-index", 2},
        {"missing configuration", demo + out + " --config 7", 1},
        {"missing profile", "'" + (m_home.path() / "none.xml").string() + "'" + out, 1},
        {"folder of the output missing", demo + " -o '" + (m_home.path() / "none" / "r.docx").string() + "'", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::ProgramRun run = report(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err, "");
        EXPECT_FALSE(std::filesystem::exists(output()));
    }
    std::filesystem::remove_all(m_home.path() / "xml_DB");
    EXPECT_EQ(report(demo + out).exitCode, 1) << "no bases, no report";
}

// The check a user would make: the word processor opens the document. Runs where LibreOffice is.
TEST_F(ReportCommand, LibreOfficeConvertsTheReportToPdf) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ASSERT_EQ(reportOfTheDemo("--outside-group --number-column --c-names").exitCode, 0);
    const test::TempFolder converted;
    const test::ProgramRun run = test::runProgram(
        "soffice -env:UserInstallation=file://" + (converted.path() / "profile").string() +
        " --headless --convert-to pdf --outdir '" + converted.path().string() + "' '" + output().string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string pdf = test::readFile(converted.path() / "report.pdf");
    EXPECT_TRUE(pdf.starts_with("%PDF")) << run.out << run.err;
}

}  // namespace
}  // namespace tabrin
