// The window "Загрузка параметров из файла в качестве дефолтных значений текущего профиля": the tree
// of a parameter file's parameters, the diagnostic area and the tree of the profile's objects, bound
// to the page logic. A window of its own beside the main window, which the user switches between.
#pragma once

#include <QDialog>
#include <vector>

#include "editing/parameterloading.h"

class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class ParameterWindow : public QDialog {
    Q_OBJECT

public:
    ParameterWindow(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                    QWidget* parent);

    const editing::ParameterLoading& page() const { return m_page; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* toolButton(const char* name, const char* text, const char* hint);
    void openFile();
    void select(editing::ParameterSelection selection);
    void compare();
    void load();
    void setMode(editing::HierarchyMode mode);
    void setShortNames(bool shortNames);
    /// Both trees drawn anew, and the diagnostic area.
    void refresh();
    void showMarks();
    void showDiagnostics();
    void updateButtons();

    app::FileDialogPort& m_dialogs;
    editing::ParameterLoading m_page;
    QTreeWidget* m_fileTree;
    QTreeWidget* m_profileTree;
    QPlainTextEdit* m_diagnostics;
    std::vector<QToolButton*> m_selectionButtons;
    QToolButton* m_groupsButton = nullptr;      // the hierarchy shown when the window is shown
    std::vector<QTreeWidgetItem*> m_fileItems;  // by node of the file's tree
    QTimer* m_timer;
};

}  // namespace tabrin::ui
