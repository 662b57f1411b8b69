// panel-header: the C header of the panel texts, as the control-panel page's header button makes it.
#include <ostream>

#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/panelcommandoptions.h"
#include "panel/panelfile.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "panel-header";
constexpr std::string_view kTypeOption = "--type";
constexpr std::string_view kIncludeOption = "--include";
constexpr std::string_view kOutputOption = "-o";

}  // namespace

int panelHeaderCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<PanelArguments> parsed =
        parsePanelArguments(kCommand, arguments, {kTypeOption, kIncludeOption, kOutputOption}, {}, context.err);
    if (!parsed) return kExitUsage;
    const std::optional<int> type =
        choiceValue(kCommand, *parsed, kTypeOption, {0, 1, 2, 3, 4}, std::nullopt, context.err);
    if (!type) return kExitUsage;
    if (!parsed->words.empty()) {
        context.err << kCommand << ": unexpected argument " << parsed->words.front() << '\n';
        return kExitUsage;
    }
    const auto output = parsed->values.find(kOutputOption);
    const std::filesystem::path outputFile = output == parsed->values.end() ? std::string() : output->second;

    CliSession session(context);
    if (!session.loadBases()) return kExitFailed;
    const panel::GenerationResult result = panel::generatePanelHeader(
        *panel::panelTypeFromNumber(*type), parsed->textValue(kIncludeOption), outputFile, panelEnvironment(session));
    return deliverPanelResult(result, !outputFile.empty(), context);
}

}  // namespace tabrin::cli
