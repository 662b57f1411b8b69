// The profile commands given "-" read the profile from standard input and make what they make of
// the same profile named as a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/programrun.h"
#include "support/tempfolder.h"

namespace tabrin {
namespace {

// The generated files name the profile they were made of: the file, or "stdin". Those lines go.
std::string withoutProfileNames(const std::string& text) {
    std::string kept;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::string line = text.substr(start, end - start);
        if (line.find("demo_drive") == std::string::npos && line.find("stdin") == std::string::npos) kept += line;
        start = end;
    }
    return kept;
}

class StandardInputProfile : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
    }

    std::string profile() const { return "'" + (m_home.path() / "profiles" / "demo_drive.xml").string() + "'"; }
    std::string output(const char* name) const { return "'" + (m_home.path() / name).string() + "'"; }

    test::ProgramRun run(const std::string& arguments, const std::string& input = "/dev/null") const {
        return test::runProgram("SOURCE_DATE_EPOCH=0 " TABRIN_CLI_PATH " --home '" + m_home.path().string() +
                                "' --lang ru " + arguments + " <" + input);
    }

    test::TempFolder m_home;
};

TEST_F(StandardInputProfile, EveryProfileCommandReadsIt) {
    struct Row {
        const char* name;
        std::string fromFile;   // the command with PROFILE standing for the profile
        std::string fromInput;  // the same with "-"
        std::string fileOutput;
        std::string inputOutput;  // the files written, when the command writes one
    };
    const Row rows[] = {
        {"check", "check PROFILE", "check -", "", ""},
        {"generate", "generate PROFILE", "generate -", "", ""},
        {"save", "save PROFILE -o " + output("a.xml"), "save - -o " + output("b.xml"), "a.xml", "b.xml"},
        {"eds", "eds PROFILE -o " + output("a.eds"), "eds - -o " + output("b.eds"), "a.eds", "b.eds"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string fromFile = row.fromFile;
        fromFile.replace(fromFile.find("PROFILE"), 7, profile());
        const test::ProgramRun byFile = run(fromFile);
        const test::ProgramRun byInput = run(row.fromInput, profile());
        ASSERT_EQ(byFile.exitCode, 0) << byFile.err;
        EXPECT_EQ(byInput.exitCode, 0) << byInput.err;
        EXPECT_EQ(withoutProfileNames(byInput.out), withoutProfileNames(byFile.out));
        if (!row.fileOutput.empty()) {
            const std::string written = test::readFile(m_home.path() / row.fileOutput);
            EXPECT_FALSE(written.empty());
            EXPECT_EQ(withoutProfileNames(test::readFile(m_home.path() / row.inputOutput)), withoutProfileNames(written));
        }
    }
}

TEST_F(StandardInputProfile, EdsNeedsAnOutputFile) {
    const test::ProgramRun byInput = run("eds -", profile());
    EXPECT_EQ(byInput.exitCode, 2);
    EXPECT_NE(byInput.err.find("-o"), std::string::npos);
}

}  // namespace
}  // namespace tabrin
