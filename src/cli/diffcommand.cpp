// diff A B [--config N] [--config-b M]: what differs between two profiles (objects of a configuration
// each, settings, scale tables), one line per difference, as a review of a profile change reads it.
#include <ostream>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/commandarguments.h"
#include "cli/panelcommandoptions.h"
#include "editing/profilecomparison.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "diff";
constexpr std::string_view kConfigOption = "--config";
constexpr std::string_view kConfigBOption = "--config-b";
// As diff(1): 1 says that the profiles differ, so trouble is told apart from it.
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

// The number given with `option`, `fallback` when it is not given; nothing, told on `err`, when
// it is no number.
std::optional<int> configurationOption(const PanelArguments& arguments, std::string_view option, int fallback,
                                       std::ostream& err) {
    const auto given = arguments.values.find(option);
    if (given == arguments.values.end()) return fallback;
    const std::optional<int> number = app::toInteger(given->second);
    if (!number) err << kCommand << ": " << option << " needs a configuration number, got " << given->second << '\n';
    return number;
}

bool hasConfiguration(const model::Profile& profile, int configuration, const std::string& file, std::ostream& err) {
    if (configuration >= 0 && configuration < static_cast<int>(profile.configurations.size())) return true;
    err << kCommand << ": " << file << " has no configuration " << configuration << '\n';
    return false;
}

}  // namespace

int diffCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<PanelArguments> parsed =
        parsePanelArguments(kCommand, arguments, {kConfigOption, kConfigBOption}, {}, context.err);
    if (!parsed) return kExitUsage;
    if (parsed->words.size() != 2) {
        context.err << kCommand << ": takes two profiles, got " << parsed->words.size() << '\n';
        return kExitUsage;
    }
    const std::string& fileA = parsed->words[0];
    const std::string& fileB = parsed->words[1];
    if (fileA == kStandardInput && fileB == kStandardInput) {
        context.err << kCommand << ": only one profile can come from standard input\n";
        return kExitUsage;
    }
    const std::optional<int> configurationA = configurationOption(*parsed, kConfigOption, 0, context.err);
    if (!configurationA) return kExitUsage;
    const std::optional<int> configurationB =
        configurationOption(*parsed, kConfigBOption, *configurationA, context.err);
    if (!configurationB) return kExitUsage;

    // The profiles are compared as their files hold them, without what opening them would change.
    CliSession sessionA(context);
    CliSession sessionB(context);
    if (!sessionA.loadBases() || !sessionA.loadProfile(fileA) || !sessionB.loadProfile(fileB)) return kExitTrouble;
    if (!hasConfiguration(sessionA.profile(), *configurationA, fileA, context.err) ||
        !hasConfiguration(sessionB.profile(), *configurationB, fileB, context.err)) {
        return kExitTrouble;
    }

    const editing::ProfileComparison comparison =
        editing::compareProfiles(sessionA.profile(), *configurationA, sessionB.profile(), *configurationB,
                                 {sessionA.texts(), context.language, sessionA.translator()});
    context.out << cp1251::toUtf8(editing::comparisonText(editing::comparisonLines(comparison)));
    context.out.flush();
    if (!context.out) return kExitTrouble;
    return comparison.isEqual() ? kExitDone : kExitDifferent;
}

}  // namespace tabrin::cli
