// The save command run as a user runs it: the file the model writes, and the failures it reports.
#include <gtest/gtest.h>

#include <sstream>

#include "app/consolemessageport.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "model/profile.h"
#include "support/profilefile.h"
#include "support/programrun.h"
#include "support/tempfolder.h"

namespace tabrin {
namespace {

using test::objectElement;
using test::profileFile;

class SaveCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
    }

    std::filesystem::path writeProfile(const std::string& text) {
        const auto file = m_home.path() / "profile.xml";
        test::writeFile(file, text);
        return file;
    }

    test::ProgramRun save(const std::string& arguments) const {
        return test::runProgram(std::string(TABRIN_CLI_PATH) + " --home '" + m_home.path().string() +
                                "' --lang ru save " + arguments);
    }

    std::filesystem::path output() const { return m_home.path() / "out.xml"; }
    std::string outputArgument() const { return "-o '" + output().string() + "'"; }

    test::TempFolder m_home;
};

TEST_F(SaveCommand, WritesWhatTheModelWrites) {
    // An empty default is written as "0".
    const auto profile = writeProfile(profileFile(objectElement("2000h.00h", "Root") +
                                                  objectElement("2000h.01h", "StandartNum", "1", "")));
    const test::ProgramRun run = save("'" + profile.string() + "' " + outputArgument());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string written = test::readFile(output());
    EXPECT_NE(written.find("<defaults default=\"0\" min=\"\" max=\"\"/>"), std::string::npos) << written;

    app::Translator translator;
    std::ostringstream messages;
    app::ConsoleMessagePort port(messages);
    bases::SetBase sets;
    ASSERT_TRUE(sets.load(bases::SetBase::filePath(m_home.path()), port));
    model::Profile model(translator, app::Language::Russian);
    ASSERT_TRUE(model.load(profile).ok());
    const auto expected = m_home.path() / "expected.xml";
    ASSERT_TRUE(model.save(expected, sets).ok());
    EXPECT_EQ(written, test::readFile(expected));
}

TEST_F(SaveCommand, Failures) {
    struct Row {
        const char* name;
        std::string profileText;  // empty: no profile file
        std::string reported;
    };
    const Row rows[] = {
        {"no group enumeration set", profileFile(objectElement("2001h.00h"), "", "proc_series=\"28\""), "code 6: "},
        {"missing profile", "", "code 2: Can't open file"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(m_home.path() / "profile.xml");
        if (!row.profileText.empty()) writeProfile(row.profileText);
        const test::ProgramRun run = save("'" + (m_home.path() / "profile.xml").string() + "' " + outputArgument());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(row.reported), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(output()));
    }

    const auto profile = writeProfile(profileFile(objectElement("2001h.00h")));
    std::filesystem::remove(m_home.path() / "xml_DB" / "SetBase.xml");
    EXPECT_EQ(save("'" + profile.string() + "' " + outputArgument()).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(output()));
}

TEST_F(SaveCommand, Usage) {
    for (const char* arguments : {"", "a.xml", "-o out.xml", "a.xml -o", "a.xml -o x.xml -o y.xml", "a.xml b.xml -o x"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(save(arguments).exitCode, 2);
    }
}

}  // namespace
}  // namespace tabrin
