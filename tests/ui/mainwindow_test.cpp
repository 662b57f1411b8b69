// The main window driven as a user drives it: login, closing, saving with Ctrl+S, the notice of
// external changes, autosave, the recent list and an English run recording its captions.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <memory>

#include <pugixml.hpp>

#include "app/cp1251.h"
#include "app/translator.h"
#include "app/version.h"
#include "support/profilefile.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "ui/mainwindow.h"
#include "ui/optionsdialog.h"
#include "ui/qtext.h"
#include "ui/testhome.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

namespace fs = std::filesystem;
using app::MessageAnswer;

QString utf8(const char* text) { return QString::fromUtf8(text); }

// One run of the main window on its own program folder, with the user Иванов in the settings and
// `options` added to their section Options.
struct WindowRun {
    explicit WindowRun(const std::string& options = "ProgLanguage=0\r\n")
        : home("[Options]\r\n" + options + "[Main]\r\nUser=" + cp1251::fromUtf8("Иванов") + "\r\n"),
          window(std::make_unique<MainWindow>(home.path(), app::progLanguageRussian, port, dialogs)) {
        window->show();
    }

    template <typename Widget>
    Widget* find(const char* name) const {
        return window->findChild<Widget*>(QString::fromLatin1(name));
    }

    QTabWidget* pages() const { return find<QTabWidget>("PageControl1"); }
    QString caption() const { return window->windowTitle(); }

    void login(const QString& name) {
        auto* user = find<QLineEdit>("EditUser");
        user->setText(name);
        QTest::mouseClick(find<QPushButton>("ButtonLogin"), Qt::LeftButton);
    }

    /// "Открыть профиль" with `path` chosen; whether the caption then shows it.
    bool open(const std::string& path) {
        dialogs.answer(path);
        find<QAction>("N_Open")->trigger();
        return caption().contains(toQString(path));
    }

    static void fire(const char* timerName, QObject* window) {
        QMetaObject::invokeMethod(window->findChild<QTimer*>(QString::fromLatin1(timerName)), "timeout");
    }

    std::vector<std::string> askedTexts() const {
        std::vector<std::string> texts;
        for (const app::Message& message : port.asked()) texts.push_back(cp1251::toUtf8(message.text));
        return texts;
    }

    test::TestHome home;
    test::ScriptedMessagePort port;
    test::ScriptedFileDialogPort dialogs;
    std::unique_ptr<MainWindow> window;
};

void touch(const std::string& path) {
    const fs::path file = app::nativePath(path);
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(5));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheLoginPageWithTheKnownUsers() {
        WindowRun run;
        QCOMPARE(run.pages()->currentWidget()->objectName(), QStringLiteral("TabSheetLogin"));
        for (int page = 1; page < run.pages()->count(); ++page) QVERIFY(!run.pages()->isTabVisible(page));
        // "Файл", "Правка", "Сервис" and "Справка" wait for the login.
        QCOMPARE(run.window->menuBar()->actions().size(), 4);
        for (const QAction* entry : run.window->menuBar()->actions()) QVERIFY(!entry->isEnabled());
        auto* users = run.find<QTableWidget>("StringGridUsers");
        QVERIFY(users->rowCount() >= 2);
        QCOMPARE(users->item(users->currentRow(), 0)->text(), utf8("Иванов"));
        QCOMPARE(run.caption(), toQString(app::programTitle() + " [DEBUG]"));
    }

    void loginWithAKnownUserChosenFromTheList() {
        WindowRun run;
        auto* users = run.find<QTableWidget>("StringGridUsers");
        const int petrov = static_cast<int>(users->findItems(utf8("Петров"), Qt::MatchExactly).front()->row());
        QTest::mouseClick(users->viewport(), Qt::LeftButton, {},
                          users->visualItemRect(users->item(petrov, 0)).center());
        QCOMPARE(run.find<QLineEdit>("EditUser")->text(), utf8("Петров"));
        QTest::mouseClick(run.find<QPushButton>("ButtonLogin"), Qt::LeftButton);

        QVERIFY(run.port.asked().empty());
        QCOMPARE(run.window->workspace().user, cp1251::fromUtf8("Петров"));
        for (int page = 1; page < run.pages()->count(); ++page) QVERIFY(run.pages()->isTabVisible(page));
        for (const QAction* entry : run.window->menuBar()->actions()) QVERIFY(entry->isEnabled());
        QVERIFY(!run.window->workspace().texts.elements().empty());
    }

    void loginWithTypedNames_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QString>("fieldAfter");
        const QString confirm = utf8("Для создания нового пользователя 'igor' введите его имя ещё раз");
        QTest::newRow("new name once") << QStringList{"igor"} << QStringList{confirm} << false << QString();
        QTest::newRow("new name typed twice") << QStringList{"igor", "igor"} << QStringList{confirm} << true << "igor";
        QTest::newRow("empty name") << QStringList{""} << QStringList{utf8("Введите имя пользователя!")} << false
                                    << QString();
    }

    void loginWithTypedNames() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, messages);
        QFETCH(bool, loggedIn);
        QFETCH(QString, fieldAfter);
        WindowRun run;
        auto* user = run.find<QLineEdit>("EditUser");
        for (const QString& name : names) {
            user->clear();
            QTest::keyClicks(user, name);
            QTest::mouseClick(run.find<QPushButton>("ButtonLogin"), Qt::LeftButton);
        }
        QStringList asked;
        for (const std::string& text : run.askedTexts()) asked << QString::fromStdString(text);
        QCOMPARE(asked, messages);
        QCOMPARE(run.pages()->isTabVisible(1), loggedIn);
        QCOMPARE(user->text(), fieldAfter);
    }

    void closingWritesTheSettingsTheDictionaryAndThePlacement() {
        WindowRun run;
        run.window->resize(900, 640);
        run.find<QLineEdit>("EditUser")->setText(utf8("Петров"));
        QVERIFY(run.window->close());
        QVERIFY(run.port.asked().empty());
        QVERIFY(test::readFile(run.home.path() / "Tabrin4.INI").find("User=" + cp1251::fromUtf8("Петров")) !=
                std::string::npos);
        QVERIFY(fs::exists(run.home.path() / "lang_dict.xml"));

        MainWindow again(run.home.path(), app::progLanguageRussian, run.port, run.dialogs);
        QCOMPARE(again.size(), QSize(900, 640));
        QCOMPARE(again.findChild<QLineEdit*>("EditUser")->text(), utf8("Петров"));
    }

    void closingWithAModifiedProfileAnsweredCancelKeepsTheWindow() {
        WindowRun run;
        run.login(utf8("Иванов"));
        QVERIFY(run.open(run.home.profile()));
        run.find<QCheckBox>("CheckBoxBigYA")->click();
        run.window->workspace().texts.setModified(true);
        run.port = test::ScriptedMessagePort({MessageAnswer::Cancel});

        QVERIFY(!run.window->close());
        QVERIFY(run.window->isVisible());
        QCOMPARE(run.askedTexts(), std::vector<std::string>{"Текущий профиль был изменен.\nСохранить изменения?"});
        QCOMPARE(cp1251::toUtf8(run.port.asked()[0].caption), std::string("Выход"));
    }

    void ctrlSSavesWhatTheActivePageEdits_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("profileSaved");
        QTest::addColumn<bool>("textsSaved");
        QTest::addColumn<bool>("setsSaved");
        QTest::newRow("profile page") << "TabSheetProfile" << true << false << false;
        QTest::newRow("texts page") << "TabSheetTexts" << false << true << false;
        QTest::newRow("enumerations page") << "TabSheetEnums" << false << false << true;
        QTest::newRow("login page") << "TabSheetLogin" << false << false << false;
    }

    void ctrlSSavesWhatTheActivePageEdits() {
        QFETCH(QString, page);
        QFETCH(bool, profileSaved);
        QFETCH(bool, textsSaved);
        QFETCH(bool, setsSaved);
        WindowRun run;
        run.login(utf8("Иванов"));
        const std::string profile = run.home.profile();
        QVERIFY(run.open(profile));
        run.find<QCheckBox>("CheckBoxBigYA")->click();
        QVERIFY(run.caption().endsWith(utf8("* [DEBUG]")));
        session::Workspace& workspace = run.window->workspace();
        workspace.texts.elements().front().text = "saved";
        workspace.texts.setModified(true);
        workspace.sets.elements().front().author = "saved";
        workspace.sets.setModified(true);
        run.pages()->setCurrentWidget(run.find<QWidget>(page.toLatin1().constData()));
        run.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.window.get()));

        QTest::keyClick(run.window.get(), Qt::Key_S, Qt::ControlModifier);
        const auto contains = [](const fs::path& file, const char* text) {
            return test::readFile(file).find(text) != std::string::npos;
        };
        QCOMPARE(contains(app::nativePath(profile), "BigYA=\"true\""), profileSaved);
        QCOMPARE(run.caption().endsWith(utf8("* [DEBUG]")), !profileSaved);
        QCOMPARE(contains(run.home.path() / "xml_DB" / "TextBase.xml", "text=\"saved\""), textsSaved);
        QCOMPARE(contains(run.home.path() / "xml_DB" / "SetBase.xml", "author=\"saved\""), setsSaved);
        QVERIFY(run.port.asked().empty());
    }

    void externalChangeLeadsToTheNewNameDialog() {
        WindowRun run;
        run.login(utf8("Иванов"));
        const std::string profile = run.home.profile();
        QVERIFY(run.open(profile));
        touch(profile);
        run.port = test::ScriptedMessagePort({MessageAnswer::Ok, MessageAnswer::Yes});

        WindowRun::fire("TimerCheckChange", run.window.get());
        QCOMPARE(run.port.asked().size(), std::size_t(2));
        QCOMPARE(cp1251::toUtf8(run.port.asked()[0].caption), std::string("Файл изменен внешней программой"));
        QCOMPARE(run.dialogs.asked().size(), std::size_t(2));
        QCOMPARE(run.dialogs.asked()[1].startPath,
                 app::pathText(run.home.path() / "profiles" / "demo_drive") + " (ред.).xml");
        QVERIFY(run.find<QTimer>("TimerCheckChange")->isActive());
    }

    void autosaveWritesTheBackupOnlyWhenTheSilentCheckPasses_data() {
        QTest::addColumn<bool>("sound");
        QTest::newRow("profile passing the check") << true;
        QTest::newRow("profile failing the check") << false;
    }

    void autosaveWritesTheBackupOnlyWhenTheSilentCheckPasses() {
        QFETCH(bool, sound);
        WindowRun run("prof_auto_save=1\r\nauto_save_period=10\r\nauto_save_backup=1\r\n");
        run.login(utf8("Иванов"));
        const fs::path file = run.home.path() / "profiles" / "auto.xml";
        // Lower-case letters in an index fail the check.
        test::writeFile(file, test::profileFile(test::objectElement("1000h.00h") +
                                                test::objectElement(sound ? "3000h.00h" : "300ah.00h")));
        QVERIFY(run.open(app::pathText(file)));
        const std::string before = test::readFile(file);

        for (int second = 0; second < 10; ++second) WindowRun::fire("TimerMain", run.window.get());
        QVERIFY(test::readFile(file) != before);
        QCOMPARE(fs::exists(run.home.path() / "profiles" / "auto.back"), sound);
    }

    void recentListAfterOpeningThreeProfiles() {
        WindowRun run;
        run.login(utf8("Иванов"));
        for (const char* name : {"a.xml", "b.xml", "c.xml"}) QVERIFY(run.open(run.home.profile(name)));
        QMenu* recent = run.find<QMenu>("N_Recent");
        QVERIFY(recent->menuAction()->isVisible());
        QStringList captions;
        for (const QAction* action : recent->actions()) captions << action->text();
        QCOMPARE(captions, (QStringList{toQString(run.home.profile("c.xml")), toQString(run.home.profile("b.xml")),
                                        toQString(run.home.profile("a.xml"))}));

        recent->actions().back()->trigger();
        QVERIFY(run.caption().contains(toQString(run.home.profile("a.xml"))));
        QCOMPARE(recent->actions().front()->text(), toQString(run.home.profile("a.xml")));
    }

    void englishRunRecordsItsCaptionsWithTheirKeys() {
        const test::TestHome home("[Options]\r\nProgLanguage=1\r\n[Main]\r\nUser=" + cp1251::fromUtf8("Иванов") +
                                  "\r\n");
        // An entry a translator filled in is shown; every other text is recorded untranslated.
        test::writeFile(home.path() / "lang_dict.xml",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<Form1-PageControl1-TabSheetLogin-ButtonLogin-Caption RUS=\"Войти\" ENG=\"Log in\"/>\n");
        test::ScriptedMessagePort port;
        test::ScriptedFileDialogPort dialogs;
        {
            MainWindow window(home.path(), app::progLanguageRussian, port, dialogs);
            QCOMPARE(window.findChild<QPushButton*>("ButtonLogin")->text(), QStringLiteral("Log in"));
            QCOMPARE(window.findChild<QTabWidget*>("PageControl1")->tabText(0), utf8("Вход"));
            QTest::mouseClick(window.findChild<QPushButton*>("ButtonLogin"), Qt::LeftButton);
            dialogs.answer(home.profile());
            window.findChild<QAction*>("N_Open")->trigger();
            const OptionsDialog options(window.workspace().settings, port, window.workspace().translator);
            QVERIFY(window.close());
        }
        QVERIFY(port.asked().empty());

        pugi::xml_document written;
        QVERIFY(written.load_file((home.path() / "lang_dict.xml").c_str()));
        const auto entry = [&](const std::string& key) { return written.child(key.c_str()); };
        const struct {
            std::string key;
            const char* russian;
        } expected[] = {
            {"Form1-N_File-Caption", "Файл"},
            {"Form1-N_Open-Caption", "Открыть профиль"},
            {"Form1-PageControl1-TabSheetLogin-Caption", "Вход"},
            {"Form1-PageControl1-TabSheetProfile-PageControl2-TabSheet5-RadioGroupProc-Items-Strings_1",
             "Ассемблер x24"},
            {"Form1-PageControl1-TabSheetProfile-PageControl2-TabSheet5-GroupBoxCSettings-CBCANNum-Items-Strings_2",
             "2-ой модуль CANopen"},
            {"Form1-PageControl1-TabSheetLogin-PanelLoginHint-Caption",
             "Кнопка входа открывает доступ к функциям программы."},
            {"FormOptions-Caption", "Настройки Tabrin"},
            {"FormOptions-ButtonOK-Caption", "OK"},
            {"FormOptions-gbSharedConfig-btGenVendorToken-Hint", "Сгенерировать случайный ключ"},
            {"_" + std::to_string(app::textHash(cp1251::fromUtf8(" - Профиль: "))), " - Профиль: "},
        };
        for (const auto& [key, russian] : expected) {
            QVERIFY2(entry(key), key.c_str());
            QCOMPARE(std::string(entry(key).attribute("RUS").value()), std::string(russian));
            QCOMPARE(std::string(entry(key).attribute("ENG").value()), std::string());
        }
        QCOMPARE(std::string(entry("Form1-PageControl1-TabSheetLogin-ButtonLogin-Caption").attribute("ENG").value()),
                 std::string("Log in"));
        for (const pugi::xml_node node : written.children()) {
            const std::string name = node.name();
            QVERIFY2(name.find("qt_") == std::string::npos && name.find("--") == std::string::npos, name.c_str());
        }
    }
};

TABRIN_UI_TEST(MainWindowTest)

}  // namespace tabrin::ui

#include "mainwindow_test.moc"
