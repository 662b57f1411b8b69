// The main window "Form1" (TForm1): the pages, the menu, the status bar and the timers, over the
// workspace it owns for the whole run.
#pragma once

#include <QMainWindow>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bases/loginpage.h"
#include "session/profilesession.h"
#include "session/workspace.h"
#include "ui/mainmenu.h"
#include "ui/qttranslation.h"

class QLabel;
class QTabWidget;
class QTimer;

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app

namespace tabrin::session {
struct WindowServices;
}

namespace tabrin::ui {

class EnumerationsPageWidget;
class ImportWindow;
class ParameterWindow;
class LoginPageWidget;
class PanelPage;
class TextsPageWidget;
class ProfilePages;
class ReportWindow;

class MainWindow : public QMainWindow, private bases::LoginSteps {
    Q_OBJECT

public:
    /// Reads the settings of `programFolder` (with `localeLanguage` when they name no language),
    /// starts the log and the translation and shows the login page. Questions go through `port`,
    /// file choices through `dialogs`.
    MainWindow(std::filesystem::path programFolder, int localeLanguage, app::MessagePort& port,
               app::FileDialogPort& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    session::Workspace& workspace() { return m_workspace; }

    /// A profile to open right after the next successful login instead of the most recent one.
    void setStartProfile(std::string path) { m_startProfile = std::move(path); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void buildStatusBar();
    void connectMenu();
    void showKnownUsers();
    void login();
    void saveModifiedProfile() override;
    void pageChanged();
    bool loadBases() override;
    void openAfterLogin();
    bool openProfile(const std::function<bool()>& open);
    void runProfileFlow(const std::function<void()>& flow);
    void refreshProfileState();
    void showHistory();
    template <typename Action>
    void withShownHistory(Action&& action);
    void rebuildRecentMenu();
    void saveByActivePage();
    void showOptions();
    void openInXmlEditor();
    void openManual();
    void startNewInstance();
    void setPagesVisible(bool visible);
    session::WindowServices windowServices();
    /// Runs a generation under `caption`, with the generate buttons disabled meanwhile.
    void runGeneration(const char* caption, const std::function<void()>& generation);
    void generateControllerFile();
    void generateAllControllerFiles();
    void generateEdsFile();
    void showReport();
    /// "Импорт объектов": the import window, made at the first use and kept.
    void showImportWindow();
    /// "Загрузка параметров по умолчанию": the parameter-file window, made at the first use and kept.
    void showParameterWindow();

    app::MessagePort& m_port;
    app::FileDialogPort& m_dialogs;
    session::Workspace m_workspace;
    QtTranslation m_qtTranslation;  // before the first dialog: Qt's standard texts in the interface language
    session::ProfileSession m_session;
    bases::LoginPage m_login;
    std::string m_startProfile;
    std::vector<app::TPathRelAbs> m_shownRecent;
    QString m_busyCaption;  // shown instead of the profile's caption while a generation runs

    editing::Subscription m_documentSubscription;
    editing::Subscription m_textsSubscription;
    editing::Subscription m_setsSubscription;
    QWidget* m_shownPage = nullptr;  // the page shown before the current one, asked before it is left
    MainMenu m_menu;
    QTabWidget* m_pages = nullptr;
    LoginPageWidget* m_loginPage = nullptr;
    ProfilePages* m_profilePages = nullptr;
    TextsPageWidget* m_textsPage = nullptr;
    EnumerationsPageWidget* m_enumsPage = nullptr;
    PanelPage* m_panelPage = nullptr;
    QLabel* m_statusPanel = nullptr;
    QTimer* m_timerMain;
    QTimer* m_timerCheckChange;
    std::unique_ptr<ReportWindow> m_reportWindow;
    ParameterWindow* m_parameterWindow = nullptr;  // a child of the window
    ImportWindow* m_importWindow = nullptr;  // a child of the window  // a window of its own, shown while the main one is minimised
};

}  // namespace tabrin::ui
