// save PROFILE -o OUT: loads a profile and writes it as the program saves it.
#include <ostream>

#include "app/cp1251.h"
#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/commandarguments.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "save";
constexpr std::string_view kOutputOption = "-o";

}  // namespace

int saveCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<FileArguments> parsed = parseFileArguments(kCommand, arguments, {kOutputOption}, context.err);
    if (!parsed) return kExitUsage;
    const auto output = parsed->options.find(std::string(kOutputOption));
    if (output == parsed->options.end()) {
        context.err << kCommand << ": " << kOutputOption << " OUT is required\n";
        return kExitUsage;
    }

    // Objects name their groups from the enumeration base when they are written.
    CliSession session(context);
    if (!session.loadBases() || !session.loadProfile(parsed->file)) return kExitFailed;
    const xml::TOperationResult saved = session.document().save(output->second, session.sets());
    if (!saved.ok()) {
        context.err << kCommand << ": cannot save " << output->second << ": code " << saved.code << ": "
                    << cp1251::toUtf8(cp1251::fromUtf16(saved.message)) << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace tabrin::cli
