// What the panel commands share: their arguments, the environment of a generation from the
// home, and the delivery of the result.
#include "cli/panelcommandoptions.h"

#include <algorithm>
#include <ostream>

#include "app/cp1251.h"
#include "app/eventlog.h"
#include "app/integertext.h"
#include "bases/textbase.h"
#include "cli/clisession.h"

namespace tabrin::cli {
namespace {

bool contains(std::initializer_list<std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string PanelArguments::textValue(std::string_view option) const {
    const auto found = values.find(option);
    return found == values.end() ? std::string() : cp1251::fromUtf8(found->second);
}

std::optional<PanelArguments> parsePanelArguments(std::string_view command, const std::vector<std::string>& arguments,
                                                  std::initializer_list<std::string_view> valueOptions,
                                                  std::initializer_list<std::string_view> flagOptions,
                                                  std::ostream& err) {
    PanelArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (contains(valueOptions, argument)) {
            if (i + 1 == arguments.size()) {
                err << command << ": " << argument << " needs a value\n";
                return std::nullopt;
            }
            if (!parsed.values.emplace(argument, arguments[++i]).second) {
                err << command << ": " << argument << " is given twice\n";
                return std::nullopt;
            }
        } else if (contains(flagOptions, argument)) {
            parsed.flags.insert(argument);
        } else if (argument.size() > 1 && argument.starts_with('-')) {
            err << command << ": unknown option " << argument << '\n';
            return std::nullopt;
        } else {
            parsed.words.push_back(argument);
        }
    }
    return parsed;
}

std::optional<int> choiceValue(std::string_view command, const PanelArguments& arguments, std::string_view option,
                               std::initializer_list<int> allowed, std::optional<int> fallback, std::ostream& err) {
    const auto given = arguments.values.find(option);
    if (given == arguments.values.end()) {
        if (!fallback) err << command << ": " << option << " is required\n";
        return fallback;
    }
    const std::optional<int> value = app::toInteger(given->second);
    if (value && std::find(allowed.begin(), allowed.end(), *value) != allowed.end()) return value;
    err << command << ": " << option << " takes one of";
    for (const int choice : allowed) err << ' ' << choice;
    err << ", got " << given->second << '\n';
    return std::nullopt;
}

panel::PanelEnvironment panelEnvironment(CliSession& session) {
    return {session.services(), app::dateTimeText(app::currentTime()), {}};
}

int deliverPanelResult(const panel::GenerationResult& result, bool writtenToFile, CliContext& context) {
    if (result.status != panel::GenerationStatus::Generated) return kExitFailed;
    if (!writtenToFile) context.out << result.text;
    return kExitDone;
}

}  // namespace tabrin::cli
