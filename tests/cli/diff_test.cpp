// The diff command run as a user runs it: the differences of two profiles on stdout, line by
// line, and the exit code telling equal, different and trouble apart.
#include <gtest/gtest.h>

#include <string>

#include "support/programrun.h"
#include "support/tempfolder.h"

namespace tabrin {
namespace {

// The profile of the fixtures and, beside it, copies of it with changes.
std::string fixture(const std::string& name) {
    return "'" + (std::filesystem::path(TEST_DATA_DIR) / "diff" / (name + ".xml")).string() + "'";
}

const std::string kProfile = fixture("profile");

class DiffCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
    }

    test::ProgramRun diff(const std::string& arguments, const std::string& language = "ru") const {
        return test::runProgram(std::string(TABRIN_CLI_PATH) + " --home '" + m_home.path().string() + "' --lang " +
                                language + " diff " + arguments);
    }

    test::TempFolder m_home;
};

TEST_F(DiffCommand, ListsWhatDiffers) {
    struct Row {
        const char* name;
        std::string arguments;
        int exitCode;
        std::string out;
        std::string language = "ru";
    };
    const Row rows[] = {
        {"a profile and itself", kProfile + " " + kProfile, 0, ""},
        {"what the comparison leaves aside: the copies of the texts, group names, the chosen configuration, "
         "an empty default, attributes the format does not use, the order in the file",
         kProfile + " " + fixture("equivalent"), 0, ""},
        {"a changed default, a deleted and an added object", kProfile + " " + fixture("three"), 1,
         "~ 2000h.01h \"Напряжение звена постоянного тока\" default: \"540\" -> \"550\"\n"
         "- 2000h.03h \"Выходная частота\"\n"
         "+ 2002h.00h \"Температура радиатора\"\n"},
        {"the same the other way round", fixture("three") + " " + kProfile, 1,
         "~ 2000h.01h \"Напряжение звена постоянного тока\" default: \"550\" -> \"540\"\n"
         "+ 2000h.03h \"Выходная частота\"\n"
         "- 2002h.00h \"Температура радиатора\"\n"},
        {"a new format lists the attributes of both; quotes and backslashes escaped; a new text number names "
         "the object by its new text",
         kProfile + " " + fixture("fields"), 1,
         "~ 2000h.02h \"Выходной ток\" Type: \"IQ\" -> \"Bit\"\n"
         "~ 2000h.02h \"Выходной ток\" Size: \"16\" -> \"\"\n"
         "~ 2000h.02h \"Выходной ток\" Signed: \"true\" -> \"\"\n"
         "~ 2000h.02h \"Выходной ток\" QValue: \"8\" -> \"\"\n"
         "~ 2000h.02h \"Выходной ток\" ScaleNum: \"1\" -> \"\"\n"
         "~ 2000h.02h \"Выходной ток\" description: \"Действующее значение\" -> \"Строка \\\"1\\\"\\\\два\"\n"
         "~ 2000h.02h \"Выходной ток\" Visualization: \"\" -> \"Hex\"\n"
         "~ 2000h.02h \"Выходной ток\" Length: \"\" -> \"4\"\n"
         "~ 2000h.02h \"Выходной ток\" StartBit: \"\" -> \"8\"\n"
         "~ 2001h.00h \"Номинальная скорость двигателя\" callback: \"onSpeed\" -> \"\"\n"
         "~ 2001h.00h \"Номинальная скорость двигателя\" textID: \"15\" -> \"20\"\n"},
        {"names in the English interface", kProfile + " " + fixture("three"), 1,
         "~ 2000h.01h \"DC link voltage\" default: \"540\" -> \"550\"\n"
         "- 2000h.03h \"Output frequency\"\n"
         "+ 2002h.00h \"Heatsink temperature\"\n",
         "en"},
        {"settings, the EDS header and the scale table after the objects", kProfile + " " + fixture("settings"), 1,
         "~ settings group_set: \"20\" -> \"21\"\n"
         "~ settings BigYA: \"false\" -> \"true\"\n"
         "~ settings header_text: \"Привод для сравнения\" -> \"Привод, версия 2\"\n"
         "~ scale_01 \"Ток\" possible_value: \"100\" -> \"120\"\n"
         "+ scale_02 \"Частота\"\n"},
        {"a second object at an address", kProfile + " " + fixture("twins"), 1, "+ 2000h.01h#2 \"Двойник\"\n"},
        {"a second object at an address, gone", fixture("twins") + " " + kProfile, 1, "- 2000h.01h#2 \"Двойник\"\n"},
        {"configuration 1 of both: its own object hides the changed default",
         kProfile + " " + fixture("three") + " --config 1", 1,
         "- 2000h.03h \"Выходная частота\"\n"
         "+ 2002h.00h \"Температура радиатора\"\n"},
        {"the base profile against configuration 1", kProfile + " " + kProfile + " --config 0 --config-b 1", 1,
         "~ 2000h.01h \"Напряжение звена постоянного тока\" default: \"540\" -> \"600\"\n"},
        {"profile A from standard input", "- " + fixture("twins") + " < " + kProfile, 1, "+ 2000h.01h#2 \"Двойник\"\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::ProgramRun run = diff(row.arguments, row.language);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(DiffCommand, UsageErrorsAndUnreadableProfilesExitWithTwo) {
    struct Row {
        const char* name;
        std::string arguments;
        std::string err;
    };
    const Row rows[] = {
        {"one profile", kProfile, "diff: takes two profiles, got 1\n"},
        {"three profiles", kProfile + " " + kProfile + " " + kProfile, "diff: takes two profiles, got 3\n"},
        {"an unknown option", kProfile + " " + kProfile + " --all", "diff: unknown option --all\n"},
        {"a configuration that is no number", kProfile + " " + kProfile + " --config one",
         "diff: --config needs a configuration number, got one\n"},
        {"B's configuration no number", kProfile + " " + kProfile + " --config-b x",
         "diff: --config-b needs a configuration number, got x\n"},
        {"both from standard input", "- - < " + kProfile, "diff: only one profile can come from standard input\n"},
        {"no such configuration in A", kProfile + " " + kProfile + " --config 2 --config-b 0",
         "diff: " + kProfile.substr(1, kProfile.size() - 2) + " has no configuration 2\n"},
        {"no such configuration in B", kProfile + " " + kProfile + " --config-b -1",
         "diff: " + kProfile.substr(1, kProfile.size() - 2) + " has no configuration -1\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::ProgramRun run = diff(row.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.err);
    }
}

TEST_F(DiffCommand, AProfileThatCannotBeReadExitsWithTwo) {
    const test::ProgramRun run = diff(kProfile + " '" + (m_home.path() / "missing.xml").string() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("cannot load ")) << run.err;
}

}  // namespace
}  // namespace tabrin
