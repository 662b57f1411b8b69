// The generate and EDS buttons of the main window as flows over the workspace: the generation,
// what is handed to the user, and the files that go with it.
#include "generators/windowcommands.h"

#include <system_error>

#include "app/messageport.h"
#include "app/paths.h"
#include "app/workspace.h"
#include "generators/generationdelivery.h"
#include "generators/savedfile.h"
#include "panel/panelpage.h"
#include "panel/profilepanelfiles.h"

namespace tabrin::generators {
namespace {

GenerationContext contextOf(app::Workspace& workspace, app::MessagePort& port) {
    return {workspace.sets, workspace.user, workspace.language, workspace.translator, port, workspace.programFolder};
}

void tellError(app::Workspace& workspace, app::MessagePort& port, const std::string& error) {
    port.ask({translated(workspace.translator, "Ошибка"), error, app::MessageButtons::Ok, app::MessageIcon::Error});
}

void deliver(const ControllerFile& file, app::Workspace& workspace, app::MessagePort& port,
             const WindowServices& services) {
    services.putOnClipboard(file.text);
    port.ask(controllerFileDoneMessage(file, workspace.translator));
    if (workspace.settings.saveAtGeneration) services.saveProfile();
    const LogCopy copy =
        saveControllerLogCopy(workspace.programFolder, workspace.profile.settings.prefix, file.text, workspace.log);
    if (!copy.error.empty()) tellError(workspace, port, copy.error);
}

}  // namespace

ControllerFile runGenerateCommand(app::Workspace& workspace, const std::string& profilePath, app::MessagePort& port,
                                  const WindowServices& services, const panel::GenerationProgress& panelProgress) {
    workspace.document.takeScaleCoefficients();
    const ControllerFile file = generateControllerFile(workspace.profile, contextOf(workspace, port));
    if (!file.text.empty()) deliver(file, workspace, port, services);
    if (file.status == GenerationStatus::Failed) tellError(workspace, port, file.error);
    if (panel::panelFilesAskedFor(workspace.profile.settings)) {
        panel::writeProfilePanelFiles(workspace.profile.settings, profilePath,
                                      panel::panelEnvironment(workspace, port, panelProgress));
        panelProgress.reach(0);
    }
    return file;
}

bool runEdsCommand(app::Workspace& workspace, std::string_view headerText, app::MessagePort& port,
                   const WindowServices& services, const ProgressReport& progress) {
    workspace.document.takeScaleCoefficients();
    const model::Profile& profile = workspace.profile;
    const EdsFile eds = generateEdsFile(profile, contextOf(workspace, port), headerText, progress);
    if (eds.status != GenerationStatus::Generated) return false;
    const std::filesystem::path file = app::nativePath(edsFilePath(profile));
    if (const std::string error = saveGeneratedFile(file, eds.text); !error.empty()) {
        tellError(workspace, port, error);
        return false;
    }
    if (progress) progress(100);
    std::error_code ignored;
    const std::string shown = app::shownPath(std::filesystem::absolute(file, ignored).native());
    port.ask(edsFileDoneMessage(shown, workspace.translator));
    if (workspace.settings.saveAtGeneration) services.saveProfile();
    return true;
}

}  // namespace tabrin::generators
