// The command line as one text, the way the program reads its switches.
#pragma once

#include <string>

namespace tabrin::app {

/// The arguments after the program's name joined with blanks, each holding a blank in double
/// quotes, as given (UTF-8, like the paths they name).
std::string commandLineText(int argc, const char* const argv[]);

}  // namespace tabrin::app
