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

/// Builds the menu bar of `window`. The file menu, the XML editor, the import, the default values
/// and the new instance start disabled: login and a successful open enable them. Undo and redo
/// start disabled.
MainMenu buildMainMenu(QMainWindow* window);

}  // namespace tabrin::ui
