// generate PROFILE [--config N] [--module 0|1|2] [-o FILE]: the controller dictionary file, as the
// window's generate button makes it right after the profile was opened; with --all [--module N]
// -o FOLDER, the file of every configuration after the base profile as the window's "generate
// all" button makes them.
#include <filesystem>
#include <ostream>

#include "app/cp1251.h"
#include "cli/clicontext.h"
#include "cli/generationsupport.h"
#include "editing/settingscommands.h"
#include "generators/controllerfile.h"
#include "generators/savedfile.h"
#include "session/generateall.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "generate";
constexpr std::string_view kModuleOption = "--module";
constexpr std::string_view kAllSwitch = "--all";

// One line on the error stream for a configuration left without its file.
void tellSkipped(CliContext& context, const session::ConfigurationFile& file) {
    context.err << kCommand << ": configuration " << file.configuration << " '" << cp1251::toUtf8(file.name) << "'";
    switch (file.outcome) {
    case session::ConfigurationOutcome::Written: return;
    case session::ConfigurationOutcome::Refused:
        context.err << " skipped: the profile did not pass the check before generation\n";
        return;
    case session::ConfigurationOutcome::Failed:
        context.err << ", module " << file.module << ": " << cp1251::toUtf8(file.detail) << '\n';
        return;
    case session::ConfigurationOutcome::NameTaken:
        context.err << ", module " << file.module << " skipped: " << file.path.string()
                    << " was written for configuration '" << cp1251::toUtf8(file.detail) << "'\n";
        return;
    }
}

// Every configuration after the base profile into FOLDER; each file written is listed on
// standard output.
int generateAll(CliContext& context, const FileArguments& parsed, const std::optional<std::string>& module) {
    if (parsed.options.contains(std::string(kConfigOption))) {
        context.err << kCommand << ": " << kAllSwitch << " takes no " << kConfigOption << '\n';
        return kExitUsage;
    }
    const std::optional<std::string> folder = optionValue(parsed, kOutputOption);
    if (!folder) {
        context.err << kCommand << ": " << kAllSwitch << " needs " << kOutputOption << " FOLDER\n";
        return kExitUsage;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(*folder, error)) {
        context.err << kCommand << ": " << *folder << " is not a folder\n";
        return kExitFailed;
    }

    CliSession session(context);
    if (const int opened = openForGeneration(context, kCommand, parsed, session); opened != kExitDone) return opened;
    const model::Profile& profile = session.profile();
    if (profile.settings.proc_series == model::ProcessorSeries::Assembler) {
        context.err << kCommand << ": " << kAllSwitch << " writes C files, and the profile's series is assembler\n";
        return kExitFailed;
    }
    if (profile.configurations.size() < 2) {
        context.err << kCommand << ": the profile has no configuration besides the base profile\n";
        return kExitFailed;
    }
    const std::vector<int> modules = module ? std::vector<int>{std::stoi(*module)} : session::controllerModules(profile.settings);
    bool allWritten = true;
    session::generateAllConfigurations(profile, session.texts(), session.services(), modules, *folder,
                                       [&](const session::ConfigurationFile& file, std::string_view) {
                                           if (file.outcome == session::ConfigurationOutcome::Written) {
                                               context.out << file.path.string() << '\n';
                                           } else {
                                               allWritten = false;
                                               tellSkipped(context, file);
                                           }
                                       });
    context.out.flush();
    return allWritten ? kExitDone : kExitFailed;
}

}  // namespace

int generateCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<FileArguments> parsed =
        parseFileArguments(kCommand, arguments, {kConfigOption, kModuleOption, kOutputOption}, context.err, {kAllSwitch});
    if (!parsed) return kExitUsage;
    const std::optional<std::string> module = optionValue(*parsed, kModuleOption);
    if (module && *module != "0" && *module != "1" && *module != "2") {
        context.err << kCommand << ": " << kModuleOption << " takes 0, 1 or 2, got " << *module << '\n';
        return kExitUsage;
    }
    if (parsed->switches.contains(std::string(kAllSwitch))) return generateAll(context, *parsed, module);

    CliSession session(context);
    if (const int opened = openForGeneration(context, kCommand, *parsed, session); opened != kExitDone) return opened;
    if (module) {
        session.document().push(editing::changedSettings(
            session.profile(), {"", "CAN module number changed to #" + *module, false},
            [&](model::ProfileSettings& settings) { settings.prefix = std::stoi(*module); }));
    }
    session.document().takeScaleCoefficients();
    const model::Profile& profile = session.profile();

    const generators::ControllerFile file = generators::generateControllerFile(profile, session.services());
    switch (file.status) {
    case generators::GenerationStatus::Refused:
        context.err << kCommand << ": the profile did not pass the check before generation\n";
        return kExitFailed;
    case generators::GenerationStatus::Failed:
        context.err << kCommand << ": " << cp1251::toUtf8(file.error) << '\n';
        return kExitFailed;
    case generators::GenerationStatus::Generated: break;
    }
    if (file.writtenToFolder()) {
        context.err << kCommand << ": the profile's folder copy was saved to " << file.folderCopy << '\n';
    }
    if (profile.settings.proc_series == model::ProcessorSeries::Assembler) {
        context.err << kCommand << ": the assembler file was saved to "
                    << (context.home / generators::kAssemblerFileName).string() << '\n';
    }
    return writeOutput(context, kCommand, optionValue(*parsed, kOutputOption), file.text) ? kExitDone : kExitFailed;
}

}  // namespace tabrin::cli
