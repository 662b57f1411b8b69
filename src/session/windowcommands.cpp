// The generate and EDS buttons of the main window as flows over the workspace: the generation,
// what is handed to the user, and the files that go with it.
#include "session/windowcommands.h"

#include <system_error>

#include "app/messageport.h"
#include "app/paths.h"
#include "generators/generationdelivery.h"
#include "generators/savedfile.h"
#include "model/services.h"
#include "panel/panelpage.h"
#include "panel/profilepanelfiles.h"
#include "session/panelenvironment.h"
#include "session/workspace.h"

namespace tabrin::session {
namespace {

void tellError(Workspace& workspace, app::MessagePort& port, const std::string& error) {
    port.ask({workspace.translator.tr("Ошибка"), error, app::MessageButtons::Ok,
              app::MessageIcon::Error});
}

void deliver(const generators::ControllerFile& file, Workspace& workspace, app::MessagePort& port,
             const WindowServices& services) {
    services.putOnClipboard(file.text);
    port.ask(generators::controllerFileDoneMessage(file, workspace.translator));
    if (workspace.settings.saveAtGeneration) services.saveProfile();
    const generators::LogCopy copy = generators::saveControllerLogCopy(
        workspace.programFolder, workspace.profile.settings.prefix, file.text, workspace.log);
    if (!copy.error.empty()) tellError(workspace, port, copy.error);
}

}  // namespace

generators::ControllerFile runGenerateCommand(Workspace& workspace, const std::string& profilePath,
                                              app::MessagePort& port, const WindowServices& services,
                                              const panel::GenerationProgress& panelProgress) {
    workspace.document.takeScaleCoefficients();
    const generators::ControllerFile file =
        generators::generateControllerFile(workspace.profile, workspace.services(port));
    if (!file.text.empty()) deliver(file, workspace, port, services);
    if (file.status == generators::GenerationStatus::Failed) tellError(workspace, port, file.error);
    if (panel::panelFilesAskedFor(workspace.profile.settings)) {
        panel::writeProfilePanelFiles(workspace.profile.settings, profilePath,
                                      panelEnvironment(workspace, port, panelProgress));
        panelProgress.reach(0);
    }
    return file;
}

bool runEdsCommand(Workspace& workspace, std::string_view headerText, app::MessagePort& port,
                   const WindowServices& services, const generators::ProgressReport& progress) {
    workspace.document.takeScaleCoefficients();
    const model::Profile& profile = workspace.profile;
    const generators::EdsFile eds =
        generators::generateEdsFile(profile, workspace.services(port), headerText, progress);
    if (eds.status != generators::GenerationStatus::Generated) return false;
    const std::filesystem::path file = app::nativePath(generators::edsFilePath(profile));
    if (const std::string error = generators::saveGeneratedFile(file, eds.text); !error.empty()) {
        tellError(workspace, port, error);
        return false;
    }
    if (progress) progress(100);
    std::error_code ignored;
    const std::string shown = app::shownPath(std::filesystem::absolute(file, ignored).native());
    port.ask(generators::edsFileDoneMessage(shown, workspace.translator));
    if (workspace.settings.saveAtGeneration) services.saveProfile();
    return true;
}

}  // namespace tabrin::session
