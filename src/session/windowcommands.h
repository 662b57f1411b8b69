// The generate and EDS buttons of the main window as flows over the workspace: the generation,
// what is handed to the user, and the files that go with it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "generators/controllerfile.h"
#include "generators/edsfile.h"
#include "panel/generationprogress.h"

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {

class Workspace;

/// What the flows need of the window around them.
struct WindowServices {
    std::function<void(const std::string& text)> putOnClipboard;  // Windows-1251 text
    std::function<void()> saveProfile;                            // as the save command does
};

/// "Генерировать": the scale-coefficient objects take their defaults from the scale table, then the
/// controller file of the current view is generated. With a text: puts it on the clipboard, says
/// where it went, saves the profile when the option "save at generation" is on and keeps the
/// numbered copy in the log folder (a copy that cannot be saved is told). A failed generation is
/// told. Then, generated or not, the panel files the profile asks for are written
/// beside `profilePath` with `panelProgress`, which is set back to 0 afterwards.
generators::ControllerFile runGenerateCommand(Workspace& workspace, const std::string& profilePath,
                                              app::MessagePort& port, const WindowServices& services,
                                              const panel::GenerationProgress& panelProgress);

/// "Генерировать файл .eds": the scale-coefficient objects take their defaults, then the EDS file of
/// the current view is generated with `headerText` and written beside the profile (a file that
/// cannot be written is told); says where it is and saves the profile when the option "save at
/// generation" is on. False when no file was written.
bool runEdsCommand(Workspace& workspace, std::string_view headerText, app::MessagePort& port,
                   const WindowServices& services, const generators::ProgressReport& progress);

}  // namespace tabrin::session
