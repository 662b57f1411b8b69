// What the panel commands share: their arguments, the environment of a generation from the
// home, and the delivery of the result.
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/clicontext.h"
#include "panel/panelfile.h"
#include "panel/paneltype.h"

namespace tabrin::cli {

class CliSession;

struct PanelArguments {
    std::map<std::string, std::string, std::less<>> values;  // option → value (UTF-8), for those given
    std::set<std::string, std::less<>> flags;                 // the flags given
    std::vector<std::string> words;                           // everything else, in order

    /// The value of an option, converted to Windows-1251; empty when not given.
    std::string textValue(std::string_view option) const;
};

/// Reads `arguments` as any of `valueOptions` (each once, followed by its value), any of
/// `flagOptions`, and words. Nothing, with the reason on `err`, for an unknown option.
std::optional<PanelArguments> parsePanelArguments(std::string_view command, const std::vector<std::string>& arguments,
                                                  std::initializer_list<std::string_view> valueOptions,
                                                  std::initializer_list<std::string_view> flagOptions,
                                                  std::ostream& err);

/// The number given with `option` when it is one of `allowed`; nothing, with the reason on
/// `err`, otherwise. `fallback` stands for an option not given (none: the option is required).
std::optional<int> choiceValue(std::string_view command, const PanelArguments& arguments, std::string_view option,
                               std::initializer_list<int> allowed, std::optional<int> fallback, std::ostream& err);

/// The environment of a generation: the session's bases and translation, the home's text base
/// file, the context's language and user, and the current time.
panel::PanelEnvironment panelEnvironment(CliSession& session);

/// Prints the text when no output file was given; the exit code of the generation.
int deliverPanelResult(const panel::GenerationResult& result, bool writtenToFile, CliContext& context);

}  // namespace tabrin::cli
