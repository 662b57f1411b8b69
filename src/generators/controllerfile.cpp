// The generation of the controller dictionary file: the C file, or the assembler file for the x24
// processors, from the profile's current view.
#include "generators/controllerfile.h"

#include <algorithm>

#include "app/paths.h"
#include "generators/assemblerfile.h"
#include "generators/cfile.h"
#include "generators/filenaming.h"
#include "generators/generationsteps.h"
#include "generators/savedfile.h"
#include "model/profile.h"
#include "model/services.h"

namespace tabrin::generators {
namespace {

constexpr char kSmallYa = '\xFF';
constexpr char kCapitalYa = '\xDF';

ControllerFile failure(std::string error) { return {GenerationStatus::Failed, {}, {}, std::move(error)}; }

ControllerFile generateC(const model::Profile& profile, const model::Services& context) {
    const std::string copyPath = controllerFileName(profile);
    CFile file = writeCFile(profile, context, app::shownPath(app::nativePath(copyPath).filename().native()));
    if (!file.error.empty()) return failure(std::move(file.error));
    ControllerFile result{GenerationStatus::Generated, joinLines(file.lines), {}, {}};
    if (profile.settings.GenVostCToFolder && !copyPath.empty()) {
        if (std::string error = saveGeneratedFile(app::nativePath(copyPath), result.text); !error.empty()) {
            return failure(std::move(error));
        }
        result.folderCopy = copyPath;
    }
    return result;
}

ControllerFile generateAssembler(const model::Profile& profile, const model::Services& context) {
    ControllerFile result{GenerationStatus::Generated, joinLines(assemblerFileLines(profile, context)), {}, {}};
    std::string error = saveGeneratedFile(context.programFolder / kAssemblerFileName, result.text);
    if (!error.empty()) return failure(std::move(error));
    return result;
}

}  // namespace

ControllerFile generateControllerFile(const model::Profile& profile, const model::Services& context) {
    if (!passesCheck(profile, context)) return {};
    ControllerFile result = profile.settings.proc_series == model::ProcessorSeries::Assembler
                                ? generateAssembler(profile, context)
                                : generateC(profile, context);
    if (profile.settings.BigYA) std::replace(result.text.begin(), result.text.end(), kSmallYa, kCapitalYa);
    return result;
}

}  // namespace tabrin::generators
