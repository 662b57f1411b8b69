// The command line as one text, the way the program reads its switches.
#include "app/commandline.h"

namespace tabrin::app {

std::string commandLineText(int argc, const char* const argv[]) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (i > 1) line += ' ';
        line += argument.find(' ') == std::string::npos ? argument : "\"" + argument + "\"";
    }
    return line;
}

}  // namespace tabrin::app
