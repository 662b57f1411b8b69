// The main menu of the main window: "Файл", "Правка", "Сервис" and "Справка".
#include "ui/mainmenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/named.h"

namespace tabrin::ui {
namespace {

QAction* item(QMenu* menu, QMainWindow* window, const QString& text, const char* name) {
    // Menu items belong to the window: that is what their translation keys follow.
    auto* action = named(new QAction(text, window), name);
    menu->addAction(action);
    return action;
}

QMenu* menu(QMainWindow* window, const QString& title, const char* name) {
    auto* menu = named(new QMenu(title, window), name);
    window->menuBar()->addMenu(menu);
    return menu;
}

}  // namespace

MainMenu buildMainMenu(QMainWindow* window) {
    MainMenu menus{};
    menus.file = menu(window, QStringLiteral("Файл"), "N_File");
    menus.open = item(menus.file, window, QStringLiteral("Открыть профиль"), "N_Open");
    menus.recent = named(new QMenu(QStringLiteral("Последние открытые профили"), window), "N_Recent");
    menus.file->addMenu(menus.recent);
    menus.recent->menuAction()->setVisible(false);
    menus.openInXmlEditor = item(menus.file, window, QStringLiteral("Открыть профиль XML-редактором"), "N_OpenXML");
    menus.save = item(menus.file, window, QStringLiteral("Сохранить профиль"), "N_Save");
    menus.saveAs = item(menus.file, window, QStringLiteral("Сохранить профиль как"), "N_SaveAs");
    menus.openInXmlEditor->setEnabled(false);  // until a profile is open

    menus.edit = menu(window, QStringLiteral("Правка"), "N_Edit");
    menus.undo = item(menus.edit, window, QStringLiteral("Отменить"), "N_Undo");
    menus.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menus.redo = item(menus.edit, window, QStringLiteral("Повторить"), "N_Redo");
    menus.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menus.undo->setEnabled(false);
    menus.redo->setEnabled(false);

    QMenu* service = menu(window, QStringLiteral("Сервис"), "N_Service");
    menus.options = item(service, window, QStringLiteral("Настройки"), "N_Options");
    menus.importObjects = item(service, window, QStringLiteral("Импорт объектов"), "N_Import");
    menus.loadDefaults = item(service, window, QStringLiteral("Загрузка параметров по умолчанию"), "N_LoadDefaults");
    menus.newInstance =
        item(service, window, QStringLiteral("Создать новый экземпляр Tabrin по текущему профилю"), "N_NewInstance");
    menus.importObjects->setEnabled(false);
    menus.loadDefaults->setEnabled(false);
    menus.newInstance->setEnabled(false);

    menus.help = named(new QAction(QStringLiteral("Справка"), window), "N_Help");
    window->menuBar()->addAction(menus.help);
    setMainMenuEnabled(window, false);
    return menus;
}

void setMainMenuEnabled(QMainWindow* window, bool enabled) {
    for (QAction* entry : window->menuBar()->actions()) entry->setEnabled(enabled);
}

}  // namespace tabrin::ui
