// Runs a program through the shell as a user would and keeps its exit code and both outputs.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/tempfolder.h"

namespace tabrin::test {

struct ProgramRun {
    int exitCode;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline ProgramRun runProgram(const std::string& commandLine) {
    const TempFolder outputs;
    const auto out = outputs.path() / "out";
    const auto err = outputs.path() / "err";
    const int status = std::system((commandLine + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
}

}  // namespace tabrin::test
