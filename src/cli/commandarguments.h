// The arguments of a command that works on one file: the file name and options with a value each.
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabrin::cli {

/// The file name that stands for standard input.
inline constexpr std::string_view kStandardInput = "-";

struct FileArguments {
    std::string file;                           // as given, UTF-8; `kStandardInput` for standard input
    std::map<std::string, std::string> options;  // option name → value, for the options given
};

/// Reads `arguments` as one file name ("-" among them) and any of `optionNames`, each once and
/// followed by its value, in any order. Nothing, with the reason on `err`, for anything else.
std::optional<FileArguments> parseFileArguments(std::string_view command, const std::vector<std::string>& arguments,
                                                std::initializer_list<std::string_view> optionNames,
                                                std::ostream& err);

}  // namespace tabrin::cli
