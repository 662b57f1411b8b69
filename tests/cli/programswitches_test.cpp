// The editor's command line: a switch other than -export-texts prints the usage instead of opening
// a window on a profile of that name.
#include <gtest/gtest.h>

#include <string>

#include "support/programrun.h"

namespace tabrin {
namespace {

#ifdef TABRIN_GUI_PATH
TEST(EditorSwitches, HelpAndUnknownSwitchesPrintTheUsage) {
    struct Row {
        const char* name;
        std::string arguments;
        int exitCode;
        bool onStandardOutput;
    };
    const Row rows[] = {
        {"--help", "--help", 0, true},
        {"-h", "-h", 0, true},
        {"unknown switch", "--frobnicate", 2, false},
        {"a switch after a profile", "drive.xml -x", 2, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // A window opened by mistake would wait for the user: the time limit ends it.
        const test::ProgramRun run =
            test::runProgram("QT_QPA_PLATFORM=offscreen timeout 30 " TABRIN_GUI_PATH " " + row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        const std::string& usageStream = row.onStandardOutput ? run.out : run.err;
        EXPECT_TRUE(usageStream.find("usage: tabrin4 [PROFILE]") != std::string::npos) << run.out << run.err;
    }
}
#endif

}  // namespace
}  // namespace tabrin
