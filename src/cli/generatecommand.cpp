// generate PROFILE [--config N] [--module 0|1|2] [-o FILE]: the controller dictionary file, as the
// window's generate button makes it right after the profile was opened.
#include <ostream>

#include "app/cp1251.h"
#include "cli/clicontext.h"
#include "cli/generationsupport.h"
#include "editing/settingscommands.h"
#include "generators/controllerfile.h"
#include "generators/savedfile.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "generate";
constexpr std::string_view kModuleOption = "--module";

}  // namespace

int generateCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<FileArguments> parsed =
        parseFileArguments(kCommand, arguments, {kConfigOption, kModuleOption, kOutputOption}, context.err);
    if (!parsed) return kExitUsage;
    const std::optional<std::string> module = optionValue(*parsed, kModuleOption);
    if (module && *module != "0" && *module != "1" && *module != "2") {
        context.err << kCommand << ": " << kModuleOption << " takes 0, 1 or 2, got " << *module << '\n';
        return kExitUsage;
    }

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
