// The command line as one text, the way the program reads its switches.
#include "app/commandline.h"

#include "app/cp1251.h"

namespace tabrin::app {

std::string commandLineText(int argc, const char* const argv[]) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = cp1251::fromUtf8(argv[i]);
        if (i > 1) line += ' ';
        line += argument.find(' ') == std::string::npos ? argument : "\"" + argument + "\"";
    }
    return line;
}

}  // namespace tabrin::app
