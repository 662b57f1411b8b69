// The main menu of the main window: "Файл", "Правка", "Сервис" and "Справка".
#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace tabrin::ui {

struct MainMenu {
    QMenu* file;
    QAction* open;
    QMenu* recent;
    QAction* openInXmlEditor;
    QAction* save;
    QAction* saveAs;
    QMenu* edit;
    QAction* undo;
    QAction* redo;
    QAction* options;
    QAction* importObjects;
    QAction* loadDefaults;
    QAction* newInstance;
    QAction* help;
};

/// Builds the menu bar of `window`. The whole menu bar starts disabled until the login; the XML
/// editor, the import, the default values and the new instance until a profile is open. Undo and
/// redo start disabled.
MainMenu buildMainMenu(QMainWindow* window);

/// Enables or disables every entry of the menu bar of `window` (the login enables them).
void setMainMenuEnabled(QMainWindow* window, bool enabled);

}  // namespace tabrin::ui
