// Every file the command-line tool writes, written twice on the demo home with SOURCE_DATE_EPOCH
// set: the same bytes both times, as build pipelines that compare generated files need.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/programrun.h"
#include "support/tempfolder.h"

namespace tabrin {
namespace {

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

class ReproducibleOutput : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
    }

    std::string profile() const { return quoted(m_home.path() / "profiles" / "demo_drive.xml"); }

    test::ProgramRun cli(const std::string& arguments) const {
        return test::runProgram("SOURCE_DATE_EPOCH=1700000000 " TABRIN_CLI_PATH " --home " + quoted(m_home.path()) +
                                " --lang ru " + arguments);
    }

    test::TempFolder m_home;
};

TEST_F(ReproducibleOutput, EveryGeneratedFileIsTheSameRunAfterRun) {
    struct Output {
        const char* name;
        std::string arguments;  // the file to write follows
        const char* file;
    };
    const Output outputs[] = {
        {"report", "report " + profile() + " --number-column --c-names --outside-group -o", "report.docx"},
        {"controller file", "generate " + profile() + " -o", "vost.c"},
        {"controller file, module 2, configuration 1", "generate " + profile() + " --module 2 --config 1 -o",
         "vost2.c"},
        {"EDS file", "eds " + profile() + " -o", "drive.eds"},
        {"saved profile", "save " + profile() + " -o", "saved.xml"},
        {"panel texts in assembler", "panel-texts --type 0 " + profile() + " -o", "panel.asm"},
        {"panel texts in C", "panel-texts --type 2 " + profile() + " -o", "panel.c"},
        {"panel header", "panel-header --type 2 -o", "panel.h"},
        {"base export", "export-texts", "coTextBase.xml"},
    };
    // The second round starts more than two seconds after the first, beyond the two-second steps
    // of the times a ZIP archive records.
    const test::TempFolder first;
    const test::TempFolder second;
    for (const test::TempFolder* round : {&first, &second}) {
        if (round == &second) std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        for (const Output& output : outputs) {
            SCOPED_TRACE(output.name);
            const std::filesystem::path file = round->path() / output.file;
            const std::string target = output.arguments == "export-texts" ? quoted(round->path()) : quoted(file);
            const test::ProgramRun run = cli(output.arguments + " " + target);
            ASSERT_EQ(run.exitCode, 0) << run.err;
            ASSERT_TRUE(std::filesystem::exists(file));
        }
    }
    for (const Output& output : outputs) {
        SCOPED_TRACE(output.name);
        const std::string bytes = test::readFile(first.path() / output.file);
        EXPECT_FALSE(bytes.empty());
        EXPECT_TRUE(bytes == test::readFile(second.path() / output.file)) << "the two runs wrote different bytes";
    }
}

}  // namespace
}  // namespace tabrin
