// The arguments of a command that works on one file: the file name, options with a value each
// and switches without one.
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tabrin::cli {

/// The file name that stands for standard input.
inline constexpr std::string_view kStandardInput = "-";

struct FileArguments {
    std::string file;                           // as given, UTF-8; `kStandardInput` for standard input
    std::map<std::string, std::string> options;  // option name → value, for the options given
    std::set<std::string> switches;              // the switches given
};

/// Reads `arguments` as one file name ("-" among them), any of `optionNames`, each once and
/// followed by its value, and any of `switchNames`, in any order. Nothing, with the reason on
/// `err`, for anything else.
std::optional<FileArguments> parseFileArguments(std::string_view command, const std::vector<std::string>& arguments,
                                                std::initializer_list<std::string_view> optionNames,
                                                std::ostream& err,
                                                std::initializer_list<std::string_view> switchNames = {});

}  // namespace tabrin::cli
