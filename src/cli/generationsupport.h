// What the generate and eds commands share: the profile opened as the window opens it, the
// generation context over it, and the bytes written to a file or standard output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/commandarguments.h"
#include "generators/generationstatus.h"

namespace tabrin::cli {

inline constexpr std::string_view kConfigOption = "--config";
inline constexpr std::string_view kOutputOption = "-o";

/// Loads the home's bases and opens the profile of `arguments` in `session` as opening it in the
/// window does, with the configuration of "--config N" current when given. Returns the exit code
/// to stop with (told on the error stream) when the option is no number, something cannot be read
/// or the configuration does not exist; kExitDone when the profile is open.
int openForGeneration(CliContext& context, std::string_view command, const FileArguments& arguments,
                      CliSession& session);

/// Writes `bytes` to `file` (UTF-8 path as given), or to standard output when there is none.
/// False, told on the error stream, when the file could not be written.
bool writeOutput(CliContext& context, std::string_view command, const std::optional<std::string>& file,
                 std::string_view bytes);

/// The value of an option of `arguments`, when given.
std::optional<std::string> optionValue(const FileArguments& arguments, std::string_view option);

}  // namespace tabrin::cli
