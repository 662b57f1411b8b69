// The arguments of a command that works on one file: the file name, options with a value each
// and switches without one.
#include "cli/commandarguments.h"

#include <algorithm>
#include <ostream>

namespace tabrin::cli {

std::optional<FileArguments> parseFileArguments(std::string_view command, const std::vector<std::string>& arguments,
                                                std::initializer_list<std::string_view> optionNames,
                                                std::ostream& err,
                                                std::initializer_list<std::string_view> switchNames) {
    FileArguments parsed;
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (std::find(optionNames.begin(), optionNames.end(), argument) != optionNames.end()) {
            if (i + 1 == arguments.size()) {
                err << command << ": " << argument << " needs a value\n";
                return std::nullopt;
            }
            if (!parsed.options.emplace(argument, arguments[++i]).second) {
                err << command << ": " << argument << " is given twice\n";
                return std::nullopt;
            }
        } else if (std::find(switchNames.begin(), switchNames.end(), argument) != switchNames.end()) {
            if (!parsed.switches.insert(argument).second) {
                err << command << ": " << argument << " is given twice\n";
                return std::nullopt;
            }
        } else if (argument.starts_with('-') && argument != kStandardInput) {
            err << command << ": unknown option " << argument << '\n';
            return std::nullopt;
        } else if (haveFile) {
            err << command << ": takes one file, got " << parsed.file << " and " << argument << '\n';
            return std::nullopt;
        } else {
            parsed.file = argument;
            haveFile = true;
        }
    }
    if (!haveFile) {
        err << command << ": no file given\n";
        return std::nullopt;
    }
    return parsed;
}

}  // namespace tabrin::cli
