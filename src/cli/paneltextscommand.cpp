// panel-texts: the operator-panel text file of one or more profiles, as the control-panel page makes it.
#include <ostream>

#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/panelcommandoptions.h"
#include "panel/panelfile.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "panel-texts";
constexpr std::string_view kTypeOption = "--type";
constexpr std::string_view kTextsOption = "--texts";
constexpr std::string_view kEnumsOption = "--enums";
constexpr std::string_view kIncludeOption = "--include";
constexpr std::string_view kOutputOption = "-o";
constexpr std::string_view kUseOtherFlag = "--use-other";
constexpr std::string_view kNoUseOtherFlag = "--no-use-other";

// Fills the request from the arguments; nothing, with the reason on `err`, when they do not fit.
std::optional<panel::PanelTextsRequest> requestFrom(const PanelArguments& arguments, std::ostream& err) {
    const std::optional<int> type = choiceValue(kCommand, arguments, kTypeOption, {0, 1, 2, 3, 4}, std::nullopt, err);
    const std::optional<int> texts = choiceValue(kCommand, arguments, kTextsOption, {0, 1, 2}, 2, err);
    const std::optional<int> enums = choiceValue(kCommand, arguments, kEnumsOption, {0, 1, 3, 4}, 3, err);
    if (!type || !texts || !enums) return std::nullopt;
    if (arguments.flags.contains(kUseOtherFlag) && arguments.flags.contains(kNoUseOtherFlag)) {
        err << kCommand << ": " << kUseOtherFlag << " and " << kNoUseOtherFlag << " exclude each other\n";
        return std::nullopt;
    }
    if (arguments.words.empty()) {
        err << kCommand << ": no profile given\n";
        return std::nullopt;
    }
    panel::PanelTextsRequest request;
    for (const std::string& file : arguments.words) request.profileFiles.push_back(file);
    request.type = *panel::panelTypeFromNumber(*type);
    request.choice = {*texts, *enums, !arguments.flags.contains(kNoUseOtherFlag)};
    request.include = arguments.textValue(kIncludeOption);
    if (const auto output = arguments.values.find(kOutputOption); output != arguments.values.end()) {
        request.outputFile = output->second;
    }
    return request;
}

}  // namespace

int panelTextsCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<PanelArguments> parsed = parsePanelArguments(
        kCommand, arguments, {kTypeOption, kTextsOption, kEnumsOption, kIncludeOption, kOutputOption},
        {kUseOtherFlag, kNoUseOtherFlag}, context.err);
    if (!parsed) return kExitUsage;
    const std::optional<panel::PanelTextsRequest> request = requestFrom(*parsed, context.err);
    if (!request) return kExitUsage;

    CliSession session(context);
    if (!session.loadBases()) return kExitFailed;
    const panel::GenerationResult result = panel::generatePanelTexts(*request, panelEnvironment(session));
    return deliverPanelResult(result, !request->outputFile.empty(), context);
}

}  // namespace tabrin::cli
