// The window "Импорт объектов": another profile's base-profile objects listed, and the selected
// rows imported into the current configuration of the open profile. A window of its own beside the
// main window, which the user switches between.
#pragma once

#include <QDialog>

#include "editing/objectimport.h"

class QPushButton;
class QTableView;

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class ImportTableModel;

class ImportWindow : public QDialog {
    Q_OBJECT

public:
    ImportWindow(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs, QWidget* parent);

private:
    void open();
    void import();
    void layOutColumns();

    session::Workspace& m_workspace;
    app::FileDialogPort& m_dialogs;
    editing::ObjectImport m_import;
    ImportTableModel* m_model;
    QTableView* m_table;
    QPushButton* m_importButton;
};

}  // namespace tabrin::ui
