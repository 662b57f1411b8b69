// The export button of the texts and enumerations pages: both bases written into the export file
// at a place the user chooses.
#pragma once

#include <chrono>

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app

namespace tabrin::session {

class Workspace;

enum class ButtonExport { Written, Cancelled, NotWritten };

/// Saves each modified base first (a base that cannot be saved ends the export), then offers the
/// export file's name in the folder of the last export. The folder of the file chosen becomes that
/// folder, and the file is written with `creationTime`; a failed write is told.
ButtonExport exportBasesToChosenFile(Workspace& workspace, app::FileDialogPort& dialogs, app::MessagePort& port,
                                     std::chrono::system_clock::time_point creationTime);

}  // namespace tabrin::session
