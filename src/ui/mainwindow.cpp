// The main window "Form1" (TForm1): the pages, the menu, the status bar and the timers, over the
// workspace it owns for the whole run.
#include "ui/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include <clocale>
#include <utility>

#include "app/manual.h"
#include "app/recentprofiles.h"
#include "app/version.h"
#include "model/profilesettingspage.h"
#include "session/generateallcommand.h"
#include "session/windowcommands.h"
#include "ui/blinkingstatus.h"
#include "ui/desktophelpers.h"
#include "ui/textspage.h"
#include "ui/dictionarypage.h"
#include "ui/editorcommit.h"
#include "ui/edspage.h"
#include "ui/enumerationspage.h"
#include "ui/importwindow.h"
#include "ui/parameterwindow.h"
#include "ui/loginpagewidget.h"
#include "ui/named.h"
#include "ui/optionsdialog.h"
#include "ui/panelpage.h"
#include "ui/profilepages.h"
#include "ui/profilesettingswidget.h"
#include "ui/qtext.h"
#include "ui/reportwindow.h"
#include "ui/windowplacement.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

constexpr int kMainTimerMs = 1000;
constexpr int kCheckChangeTimerMs = 60000;
constexpr int kFirstStatusPanelWidth = 100;
constexpr int kSecondStatusPanelWidth = 50;
// The size of the first run, before any placement is stored.
constexpr int kDefaultWidth = 1100;
constexpr int kDefaultHeight = 750;

std::filesystem::path placementFile(const std::filesystem::path& programFolder) {
    return programFolder / "FormStorage.ini";
}

// A window of its own may be minimised or behind the main window: choosing it again brings it back.
void bringBack(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

MainWindow::MainWindow(std::filesystem::path programFolder, int localeLanguage, app::MessagePort& port,
                       app::FileDialogPort& dialogs, QWidget* parent)
    : QMainWindow(parent),
      m_port(port),
      m_dialogs(dialogs),
      m_workspace(std::move(programFolder), localeLanguage),
      m_qtTranslation(m_workspace.language),
      m_session(m_workspace, port, dialogs),
      m_timerMain(named(new QTimer(this), "TimerMain")),
      m_timerCheckChange(named(new QTimer(this), "TimerCheckChange")) {
    setObjectName(QStringLiteral("Form1"));
    // The log and the interface dictionary come first: the grids take translated headers.
    m_workspace.start();
    m_menu = buildMainMenu(this);
    buildPages();
    buildStatusBar();
    connectMenu();
    m_reportWindow = std::make_unique<ReportWindow>(m_workspace, m_port, m_dialogs);

    QCoreApplication::setApplicationName(toQString(app::programTitle()));
    translateWindow(this, m_workspace.translator);
    // Numbers are written and read with a decimal point, whatever the user's locale says; Qt set
    // the C library's locale from the environment when the application started.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    m_profilePages->shareCanModuleItems();
    resize(kDefaultWidth, kDefaultHeight);
    restorePlacement(this, placementFile(m_workspace.programFolder));
    setPagesVisible(false);
    refreshProfileState();
    showKnownUsers();

    m_session.setStatusListener([this](const std::string& text) { m_statusPanel->setText(toQString(text)); });
    m_documentSubscription =
        m_workspace.document.listen([this](const editing::DocumentChange&) { refreshProfileState(); });
    m_textsSubscription = m_workspace.textsDocument.listen([this](const editing::DocumentChange&) { showHistory(); });
    m_setsSubscription = m_workspace.setsDocument.listen([this](const editing::DocumentChange&) {
        m_profilePages->settingsPage()->showGroupSetEntries(
            model::groupSetEntries(m_workspace.sets, m_workspace.language));
        showHistory();
    });
    connect(m_timerMain, &QTimer::timeout, this, [this] {
        m_statusPanel->clear();
        m_session.autosaveTick();
        refreshProfileState();
    });
    connect(m_timerCheckChange, &QTimer::timeout, this,
            [this] { runProfileFlow([this] { m_session.checkExternalChange(); }); });
    m_timerMain->start(kMainTimerMs);
    m_timerCheckChange->setInterval(kCheckChangeTimerMs);
}

// The pages work on the workspace: they go first, so that nothing they do while closing (an open
// cell editor committing its text) reaches a workspace that is gone.
MainWindow::~MainWindow() { delete takeCentralWidget(); }

void MainWindow::buildPages() {
    m_pages = named(new QTabWidget, "PageControl1");
    m_loginPage = new LoginPageWidget;
    m_profilePages = new ProfilePages(m_workspace, m_session, m_port);
    m_pages->addTab(m_loginPage, QStringLiteral("Вход"));
    m_pages->addTab(m_profilePages, QStringLiteral("Профиль"));
    // The texts and enumerations pages get their content with their own editors.
    m_textsPage = new TextsPageWidget(m_workspace, m_port, m_dialogs);
    m_enumsPage = new EnumerationsPageWidget(m_workspace, m_port, m_dialogs);
    m_panelPage = new PanelPage(m_workspace, m_port, m_dialogs);
    m_pages->addTab(m_textsPage, QStringLiteral("Тексты"));
    m_pages->addTab(m_enumsPage, QStringLiteral("Перечисления"));
    m_pages->addTab(m_panelPage, QStringLiteral("Пульт управления"));
    setCentralWidget(m_pages);
    connect(m_pages, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);

    connect(m_loginPage, &LoginPageWidget::loginClicked, this, &MainWindow::login);
    connect(m_enumsPage, &EnumerationsPageWidget::textWanted, this, [this](const QString& number) {
        m_pages->setCurrentWidget(m_textsPage);
        if (m_pages->currentWidget() == m_textsPage) m_textsPage->showText(fromQString(number));
    });
    connect(m_textsPage, &TextsPageWidget::enumerationWanted, this, [this](const QString& number) {
        m_pages->setCurrentWidget(m_enumsPage);
        if (m_pages->currentWidget() == m_enumsPage) m_enumsPage->showEnumeration(fromQString(number));
    });
    connect(m_profilePages->dictionaryPage(), &DictionaryPage::generateClicked, this,
            &MainWindow::generateControllerFile);
    connect(m_profilePages->dictionaryPage(), &DictionaryPage::generateAllClicked, this,
            &MainWindow::generateAllControllerFiles);
    connect(m_profilePages->dictionaryPage(), &DictionaryPage::reportClicked, this, &MainWindow::showReport);
    connect(m_profilePages->edsPage(), &EdsPage::generateClicked, this, &MainWindow::generateEdsFile);
    connect(m_profilePages->dictionaryPage(), &DictionaryPage::textEditRequested, this, [this](const QString& number) {
        m_pages->setCurrentWidget(m_textsPage);
        m_textsPage->showText(fromQString(number));
    });
    // The window sees Ctrl+S before any of its controls.
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &MainWindow::saveByActivePage);
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusPanel = new QLabel;
    m_statusPanel->setFixedWidth(kFirstStatusPanelWidth);
    auto* second = named(new QLabel, "StatusPanelWarning");
    second->setMinimumWidth(kSecondStatusPanelWidth);
    bar->addWidget(m_statusPanel);
    bar->addWidget(second, 1);
    auto* warning = new BlinkingStatus(bar, second);
    connect(m_profilePages->dictionaryPage(), &DictionaryPage::editorWarningChanged, warning, &BlinkingStatus::show);
}

void MainWindow::connectMenu() {
    connect(m_menu.open, &QAction::triggered, this,
            [this] { openProfile([this] { return m_session.openWithDialog(); }); });
    connect(m_menu.openInXmlEditor, &QAction::triggered, this, &MainWindow::openInXmlEditor);
    connect(m_menu.save, &QAction::triggered, this, [this] {
        commitOpenEditors(this);
        runProfileFlow([this] { m_session.save(); });
    });
    connect(m_menu.saveAs, &QAction::triggered, this, [this] {
        commitOpenEditors(this);
        runProfileFlow([this] { m_session.saveAs(); });
    });
    connect(m_menu.undo, &QAction::triggered, this, [this] {
        withShownHistory([](auto& document, bool) { document.undo(); });
        showHistory();
    });
    connect(m_menu.importObjects, &QAction::triggered, this, &MainWindow::showImportWindow);
    connect(m_menu.loadDefaults, &QAction::triggered, this, &MainWindow::showParameterWindow);
    connect(m_menu.redo, &QAction::triggered, this, [this] {
        withShownHistory([](auto& document, bool) { document.redo(); });
        showHistory();
    });
    connect(m_menu.options, &QAction::triggered, this, &MainWindow::showOptions);
    connect(m_menu.newInstance, &QAction::triggered, this, &MainWindow::startNewInstance);
    connect(m_menu.help, &QAction::triggered, this, &MainWindow::openManual);
}

void MainWindow::showKnownUsers() {
    const app::Settings& settings = m_workspace.settings;
    m_loginPage->userEdit()->setText(toQString(settings.user));
    const std::filesystem::path textBase = bases::TextBase::filePath(m_workspace.programFolder);
    m_login = bases::LoginPage(bases::readKnownUsers(textBase));
    m_loginPage->showUsers(m_login.knownUsers(), m_login.userRow(settings.user));
    m_pages->setCurrentWidget(m_loginPage);
    m_loginPage->userEdit()->setFocus();
}

void MainWindow::setPagesVisible(bool visible) {
    const std::initializer_list<QWidget*> pages = {m_profilePages, m_textsPage, m_enumsPage, m_panelPage};
    for (QWidget* page : pages)
        m_pages->setTabVisible(m_pages->indexOf(page), visible);
}

void MainWindow::login() {
    QLineEdit* user = m_loginPage->userEdit();
    const bases::LoginResult result =
        m_login.login(fromQString(user->text()), m_workspace.user, *this, m_port, m_workspace.translator);
    if (result != bases::LoginResult::NewNameToConfirm) m_loginPage->hint()->hide();
    if (result == bases::LoginResult::NewNameToConfirm) user->clear();
    if (result == bases::LoginResult::NewNameToConfirm || result == bases::LoginResult::EmptyName) user->setFocus();
    if (result != bases::LoginResult::LoggedIn) return;
    setMainMenuEnabled(this, true);
    setPagesVisible(true);
    m_textsPage->showBase();
    m_enumsPage->showBase();
    openAfterLogin();
}

// Leaving the texts or the enumerations page asks about its modified base; a failed save (or a
// cancel) keeps the page shown.
void MainWindow::pageChanged() {
    QWidget* page = m_pages->currentWidget();
    if (m_shownPage == m_textsPage && page != m_textsPage && !m_textsPage->leave()) {
        m_pages->setCurrentWidget(m_textsPage);
        return;
    }
    if (m_shownPage == m_enumsPage && page != m_enumsPage && !m_enumsPage->leave()) {
        m_pages->setCurrentWidget(m_enumsPage);
        return;
    }
    m_shownPage = page;
    if (page == m_textsPage) m_textsPage->showBase();
    if (page == m_enumsPage) m_enumsPage->pageShown();
    showHistory();
}

void MainWindow::saveModifiedProfile() {
    if (m_session.isModified()) runProfileFlow([this] { m_session.save(); });
}

bool MainWindow::loadBases() {
    const bool found = m_workspace.loadBases(m_port);
    m_profilePages->settingsPage()->showGroupSetEntries(model::groupSetEntries(m_workspace.sets, m_workspace.language));
    return found;
}

void MainWindow::openAfterLogin() {
    bool opened = false;
    if (!m_startProfile.empty()) {
        opened = openProfile([this, path = std::exchange(m_startProfile, {})] { return m_session.open(path); });
    } else if (m_workspace.settings.lastProfOpen) {
        opened = openProfile([this] { return m_session.openAtLogin(); });
    }
    if (!opened) return;
    m_pages->setCurrentWidget(m_profilePages);
    m_profilePages->showDictionaryPage();
    m_profilePages->dictionaryPage()->scrollToTopRow(m_workspace.settings.lastTopRow);
}

bool MainWindow::openProfile(const std::function<bool()>& open) {
    bool opened = false;
    runProfileFlow([&] { opened = open(); });
    if (opened) {
        m_profilePages->showProfile();
        m_menu.openInXmlEditor->setEnabled(true);
        m_menu.importObjects->setEnabled(true);
        m_menu.loadDefaults->setEnabled(true);
        m_menu.newInstance->setEnabled(true);
    } else if (!m_session.isOpen()) {
        m_profilePages->showNoProfile();
        m_menu.openInXmlEditor->setEnabled(false);
        m_menu.importObjects->setEnabled(false);
        m_menu.loadDefaults->setEnabled(false);
        m_menu.newInstance->setEnabled(false);
    }
    return opened;
}

void MainWindow::showImportWindow() {
    if (!m_importWindow) m_importWindow = new ImportWindow(m_workspace, m_port, m_dialogs, this);
    bringBack(m_importWindow);
}

void MainWindow::showParameterWindow() {
    if (!m_parameterWindow) m_parameterWindow = new ParameterWindow(m_workspace, m_port, m_dialogs, this);
    bringBack(m_parameterWindow);
}

void MainWindow::runProfileFlow(const std::function<void()>& flow) {
    // The check for changes by other programs waits while a flow may show its questions.
    m_timerCheckChange->stop();
    flow();
    if (m_session.isOpen()) m_timerCheckChange->start();
    refreshProfileState();
}

void MainWindow::refreshProfileState() {
    setWindowTitle(m_busyCaption.isEmpty() ? QString::fromStdString(m_session.caption()) : m_busyCaption);
    if (m_workspace.settings.recentProfiles != m_shownRecent) rebuildRecentMenu();
    showHistory();
}

// "Отменить: удаление 4 объектов": each item names the command it would take back or do again.
void MainWindow::showHistory() {
    const auto show = [this](QAction* action, const char* verb, bool possible, const std::string& command) {
        QString text = translatedText(m_workspace.translator, verb);
        if (possible) text += QStringLiteral(": ") + toQString(command);
        action->setText(text);
        action->setEnabled(possible);
    };
    withShownHistory([&](const auto& document, bool editable) {
        show(m_menu.undo, "Отменить", editable && document.canUndo(), document.undoText());
        show(m_menu.redo, "Повторить", editable && document.canRedo(), document.redoText());
    });
}

// The history the menu "Правка" works on: the bases' while the texts or enumerations page is shown
// (either page changes either base), else the profile's (editable only while a profile is open).
template <typename Action>
void MainWindow::withShownHistory(Action&& action) {
    QWidget* page = m_pages->currentWidget();
    if (page == m_textsPage || page == m_enumsPage)
        action(m_workspace.basesHistory, true);
    else
        action(m_workspace.document, m_session.isOpen());
}

void MainWindow::rebuildRecentMenu() {
    m_shownRecent = m_workspace.settings.recentProfiles;
    m_menu.recent->clear();
    for (std::size_t position = 0; position < m_shownRecent.size(); ++position) {
        const QString caption = toQPath(app::recentProfilePath(m_workspace.programFolder, m_shownRecent[position]));
        connect(m_menu.recent->addAction(caption), &QAction::triggered, this,
                [this, position] { openProfile([this, position] { return m_session.openRecent(position); }); });
    }
    m_menu.recent->menuAction()->setVisible(!m_shownRecent.empty());
}

void MainWindow::saveByActivePage() {
    commitOpenEditors(this);
    QWidget* page = m_pages->currentWidget();
    if (page == m_profilePages) {
        runProfileFlow([this] { m_session.save(); });
    } else if (page == m_textsPage) {
        m_workspace.saveTextBase(m_port);
    } else if (page == m_enumsPage) {
        m_enumsPage->save();
    }
}

void MainWindow::showOptions() {
    OptionsDialog dialog(m_workspace.settings, m_port, m_workspace.translator, this);
    dialog.exec();
    if (!dialog.tokenChanged() || !m_session.isOpen()) return;
    runProfileFlow([this] { m_session.alignVendorToken(); });
}

void MainWindow::openInXmlEditor() {
    const QString editor = toQPath(m_workspace.settings.xmlProgPath);
    if (QFileInfo::exists(editor)) QProcess::startDetached(editor, {toQPath(m_session.path())});
}

void MainWindow::openManual() {
    const auto manual = app::findManual(m_workspace.programFolder, m_workspace.englishInterface());
    if (manual) QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(manual->string())));
}

void MainWindow::startNewInstance() {
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {toQPath(m_session.path())});
}

session::WindowServices MainWindow::windowServices() {
    return {[](const std::string& text) { copyToClipboard(text); }, [this] { m_session.save(); }};
}

void MainWindow::runGeneration(const char* caption, const std::function<void()>& generation) {
    // The caption stays while the check's questions and the final message wait for the user,
    // whatever the main timer refreshes meanwhile.
    m_busyCaption = translatedText(m_workspace.translator, caption);
    setWindowTitle(m_busyCaption);
    m_profilePages->setGenerating(true);
    runProfileFlow(generation);
    m_profilePages->setGenerating(false);
    m_busyCaption.clear();
    refreshProfileState();
}

void MainWindow::generateControllerFile() {
    runGeneration("Генерируется файл для контроллера...", [this] {
        session::runGenerateCommand(m_workspace, m_session.path(), m_port, windowServices(), m_panelPage->progress());
    });
}

void MainWindow::generateAllControllerFiles() {
    runGeneration("Генерируются файлы для контроллера...",
                  [this] { session::runGenerateAllCommand(m_workspace, m_port, windowServices()); });
}

void MainWindow::generateEdsFile() {
    runProfileFlow([this] { m_profilePages->edsPage()->generate(windowServices()); });
}

// The report window is shown alone, the main window minimised meanwhile.
void MainWindow::showReport() {
    if (!m_session.isOpen()) return;
    const Qt::WindowStates state = windowState();
    setWindowState(state | Qt::WindowMinimized);
    m_reportWindow->prepare(m_session.path());
    m_reportWindow->exec();
    setWindowState(state);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    commitOpenEditors(this);
    bool mayClose = false;
    runProfileFlow([&] { mayClose = m_session.askToSaveModified(session::SaveQuestion::BeforeExit); });
    if (!mayClose || !m_workspace.askToSaveModifiedBases(m_port)) {
        event->ignore();
        return;
    }
    m_timerMain->stop();
    m_timerCheckChange->stop();
    m_workspace.settings.user = fromQString(m_loginPage->userEdit()->text());
    const DictionaryPage* dictionary = m_profilePages->dictionaryPage();
    m_workspace.settings.profColumnWidths = dictionary->columnWidths();
    if (m_session.isOpen()) m_workspace.settings.lastTopRow = dictionary->topRow();
    if (const std::string error = savePlacement(this, placementFile(m_workspace.programFolder)); !error.empty())
        m_workspace.log.writeLog("Error saving 'FormStorage.ini': " + error);
    m_workspace.finish();
    event->accept();
}

}  // namespace tabrin::ui
