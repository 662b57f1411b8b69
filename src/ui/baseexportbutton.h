// The export button of the texts and enumerations pages: both write the two bases into an export
// file the user chooses, after the window's open cell editors have been committed.
#pragma once

class QPushButton;

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

/// A button "Экспорт" named `objectName`. A click commits the open cell editors, then runs the
/// export to its end before the window takes any other input, with the button disabled meanwhile,
/// so that no second export can start and the window cannot close during one.
QPushButton* makeBaseExportButton(const char* objectName, session::Workspace& workspace, app::FileDialogPort& dialogs,
                                  app::MessagePort& port);

}  // namespace tabrin::ui
