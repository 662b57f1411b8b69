// The "Генерировать всё" button of the main window as a flow over the workspace: the controller
// file of every configuration into the folder of the controller file, and what the user is told.
#pragma once

#include <vector>

#include "session/generateall.h"
#include "session/windowcommands.h"

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {

class Workspace;

/// "Генерировать всё": the files of `generateAllConfigurations` for the CAN modules of the
/// controller, written into the folder of the controller file (`VostCFolder`). Every file written
/// gets its numbered copy in the log folder and a log line, every configuration left out a log
/// line; then one message lists the files written and the configurations left out, and the
/// profile is saved when a file was written and the option "save at generation" is on. A profile
/// of the assembler series, or one whose folder is not set or does not exist, is refused with a
/// message. The current configuration stays as it is, and so does the profile's modified state
/// unless it is saved.
std::vector<ConfigurationFile> runGenerateAllCommand(Workspace& workspace, app::MessagePort& port,
                                                     const WindowServices& services);

}  // namespace tabrin::session
