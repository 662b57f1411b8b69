// eds PROFILE [--config N] [-o FILE]: the EDS file, as the window's button writes it right after the
// profile was opened; beside the profile unless FILE is given.
#include <ostream>

#include "app/paths.h"
#include "cli/clicontext.h"
#include "cli/generationsupport.h"
#include "generators/edsfile.h"
#include "generators/generationdelivery.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "eds";

}  // namespace

int edsCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<FileArguments> parsed =
        parseFileArguments(kCommand, arguments, {kConfigOption, kOutputOption}, context.err);
    if (!parsed) return kExitUsage;
    if (parsed->file == kStandardInput && !optionValue(*parsed, kOutputOption)) {
        context.err << kCommand << ": a profile read from standard input has no folder: name the file with "
                    << kOutputOption << '\n';
        return kExitUsage;
    }

    CliSession session(context);
    if (const int opened = openForGeneration(context, kCommand, *parsed, session); opened != kExitDone) return opened;
    session.document().takeScaleCoefficients();
    const model::Profile& profile = session.profile();
    const generators::EdsFile eds = generators::generateEdsFile(profile, session.services(), profile.header_text);
    if (eds.status != generators::GenerationStatus::Generated) {
        context.err << kCommand << ": no EDS file was written\n";
        return kExitFailed;
    }
    const std::string file =
        optionValue(*parsed, kOutputOption).value_or(app::nativePath(generators::edsFilePath(profile)).string());
    if (!writeOutput(context, kCommand, file, eds.text)) return kExitFailed;
    const std::string written = app::shownPath(std::filesystem::absolute(file).native());
    session.port().ask(generators::edsFileDoneMessage(written, session.translator()));
    return kExitDone;
}

}  // namespace tabrin::cli
