// One generation of a panel text file or of the panel header: from the user's choices to the
// text shown and the file written.
#include "panel/panelfile.h"

#include <exception>

#include "app/filewrite.h"
#include "app/formattext.h"
#include "app/paths.h"
#include "app/translator.h"
#include "bases/textbase.h"
#include "panel/assemblerlayout.h"
#include "panel/cheader.h"
#include "panel/clayout.h"
#include "panel/layoutcontext.h"
#include "panel/stopmessage.h"

namespace tabrin::panel {
namespace {

LayoutContext contextFor(PanelType type, std::vector<std::string> profileFiles, std::string_view include,
                         const PanelEnvironment& environment) {
    return {environment, std::move(profileFiles), panelTypeName(type, environment.services.translator),
            std::string(include)};
}

std::vector<std::string> fileLines(PanelType type, const PanelWorkingSets& working, const LayoutContext& context) {
    switch (type) {
    case PanelType::AssemblerA: return typeAFileLines(working, context);
    case PanelType::AssemblerSh: return typeShFileLines(working, context);
    default: return cFileLines(type, working, context);
    }
}

// The result of lines that were all made: shown in any case, and written when a file is given.
GenerationResult delivered(const std::vector<std::string>& lines, const std::filesystem::path& outputFile,
                           const PanelEnvironment& environment) {
    GenerationResult result{GenerationStatus::Generated, joinedLines(lines)};
    if (outputFile.empty()) return result;
    const app::FileWriteResult written = app::writeFileAtomically(outputFile, result.text);
    if (written.written()) return result;
    const std::string reason = app::systemErrorText(written.error);
    const std::string pattern = environment.services.translator.tr("Не удалось записать файл '%s'.");
    tellGenerationStopped(environment.services.port, environment.services.translator,
                          app::formatText(pattern, {app::shownPath(outputFile.native())}) + " " + reason);
    result.status = GenerationStatus::NotWritten;
    return result;
}

GenerationResult stoppedBy(const std::exception& error, const PanelEnvironment& environment) {
    tellGenerationStopped(environment.services.port, environment.services.translator, error.what());
    return {};
}

}  // namespace

std::filesystem::path PanelEnvironment::textBaseFile() const {
    return bases::TextBase::filePath(services.programFolder);
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

GenerationResult generatePanelTexts(const PanelTextsRequest& request, const PanelEnvironment& environment) {
    if (request.profileFiles.empty()) return {GenerationStatus::NoProfiles, {}};
    try {
        const GenerationProgress& progress = environment.progress;
        progress.reach(0);
        const std::optional<PanelWorkingSets> working =
            buildWorkingSets(request.profileFiles, request.choice, request.type != PanelType::AssemblerSh,
                             environment.textBaseFile(), environment.services.sets, environment.services.language,
                             environment.services.port, environment.services.translator, progress);
        if (!working) return {};
        progress.reach(20);
        const LayoutContext context = contextFor(request.type, request.profileFiles, request.include, environment);
        const GenerationResult result = delivered(fileLines(request.type, *working, context), request.outputFile,
                                                  environment);
        progress.reach(100);
        return result;
    } catch (const std::exception& error) {
        return stoppedBy(error, environment);
    }
}

GenerationResult generatePanelHeader(PanelType type, std::string_view include,
                                     const std::filesystem::path& outputFile, const PanelEnvironment& environment) {
    try {
        const LayoutContext context = contextFor(type, {}, include, environment);
        return delivered(cHeaderLines(type, environment.services.sets, context), outputFile, environment);
    } catch (const std::exception& error) {
        return stoppedBy(error, environment);
    }
}

}  // namespace tabrin::panel
