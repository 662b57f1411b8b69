// The check command run as a user runs it: faults on stdout, warnings marked, exit code by the result.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/profilefile.h"
#include "support/programrun.h"
#include "support/tempfolder.h"

namespace tabrin {
namespace {

using test::objectElement;
using test::profileFile;

const std::string kCleanObjects =
    objectElement("2000h.00h", "Root") + objectElement("2000h.01h") + objectElement("2001h.00h");

std::string missingRoot(const std::string& address) {
    return "Индекс " + address + " не имеет корневого под-индекса. Необходимо добавить. Продолжить проверку?\n";
}

class CheckCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
    }

    std::string writeProfile(const std::string& text) {
        const auto file = m_home.path() / "profile.xml";
        test::writeFile(file, text);
        return "'" + file.string() + "'";
    }

    test::ProgramRun check(const std::string& arguments) const {
        return test::runProgram(std::string(TABRIN_CLI_PATH) + " --home '" + m_home.path().string() +
                                "' --lang ru check " + arguments);
    }

    test::TempFolder m_home;
};

TEST_F(CheckCommand, CleanProfilePassesSilently) {
    const test::ProgramRun run = check(writeProfile(profileFile(kCleanObjects)));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(CheckCommand, ListsEveryFaultAndFails) {
    const test::ProgramRun run =
        check(writeProfile(profileFile(objectElement("3001h.01h") + objectElement("3005h.01h"))));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, missingRoot("3001h.01h") + missingRoot("3005h.01h"));
}

TEST_F(CheckCommand, GroupWarningsAreMarkedAndPass) {
    // The demo's group enumeration has five items.
    const test::ProgramRun run = check(writeProfile(profileFile(objectElement("2001h.00h", "StandartNum", "7"))));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("warning: Неправильный номер группы: '7'. Не является числом")) << run.out;
    EXPECT_TRUE(run.out.ends_with("в ходе текущей проверки снова?\n")) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

TEST_F(CheckCommand, ChecksTheChosenConfiguration) {
    // The base profile is clean; the configuration, current in the file, lacks a root.
    const std::string profile = writeProfile(profileFile(
        kCleanObjects, "<SubProfile_01 name=\"v\">" + objectElement("3001h.01h") + "</SubProfile_01>",
        "group_set=\"20\" proc_series=\"28\" CurrSubProfile=\"1\""));
    struct Row {
        const char* name;
        std::string options;
        int exitCode;
        std::string out;
    };
    const Row rows[] = {
        {"the profile's current configuration", "", 1, missingRoot("3001h.01h")},
        {"the base profile", "--config 0", 0, ""},
        {"the configuration by number, option first", "--config 1", 1, missingRoot("3001h.01h")},
        {"no such configuration", "--config 2", 1, ""},
        {"no number", "--config x", 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::ProgramRun run = check(row.options + " " + profile);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_EQ(run.out, row.out);
    }
}

TEST_F(CheckCommand, DemoProfilePassesAndABrokenCopyListsItsFaults) {
    const auto demo = m_home.path() / "profiles" / "demo_drive.xml";
    test::ProgramRun run = check("'" + demo.string() + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");

    std::string broken = test::readFile(demo);
    const auto replaceAll = [&](const std::string& from, const std::string& to) {
        for (std::size_t at = broken.find(from); at != std::string::npos; at = broken.find(from, at + to.size())) {
            broken.replace(at, from.size(), to);
        }
    };
    const std::size_t start = broken.find("\t\t<obj_3508h.00h");
    const std::size_t end = broken.find("</obj_3508h.00h>\n", start) + std::string("</obj_3508h.00h>\n").size();
    broken.insert(end, broken.substr(start, end - start));  // a duplicated object
    replaceAll("obj_3602h.00h", "obj_36a2h.00h");            // a lower-case index
    replaceAll("obj_3000h.05h", "obj_3000h.07h");            // a gap in the sub-indexes of 3000h
    run = check(writeProfile(broken));
    EXPECT_EQ(run.exitCode, 1);
    for (const char* fault : {"В профиле сразу два элемента имеют индексацию 3508h.00h. Продолжить проверку?\n",
                              "В индексе: '36a2h.00h' присутствуют маленькие буквы.",
                              "В индексе 3000h под-индексы расположены непоследовательно."}) {
        EXPECT_NE(run.out.find(fault), std::string::npos) << fault << "\n" << run.out;
    }
}

TEST_F(CheckCommand, InputsThatCannotBeRead) {
    const std::string missing = "'" + (m_home.path() / "missing.xml").string() + "'";
    test::ProgramRun run = check(missing);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("code 2: Can't open file"), std::string::npos) << run.err;

    run = check(writeProfile("<notxml"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("code 5: 'root' node not found"), std::string::npos) << run.err;

    const std::string profile = writeProfile(profileFile(kCleanObjects));
    std::filesystem::remove(m_home.path() / "xml_DB" / "SetBase.xml");
    run = check(profile);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
}

TEST_F(CheckCommand, Usage) {
    for (const char* arguments : {"", "a.xml b.xml", "a.xml --config", "a.xml --config 1 --config 2", "a.xml --full"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(check(arguments).exitCode, 2);
    }
}

}  // namespace
}  // namespace tabrin
