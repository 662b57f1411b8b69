// The generate and EDS buttons on the demo profile: the controller text on the clipboard and in
// the log folder, the same bytes as the command-line tool's, the messages, the caption, the save
// at generation and the EDS file beside the profile.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/cp1251.h"
#include "support/scopedenvironment.h"
#include "support/tempfolder.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

namespace fs = std::filesystem;

QString utf8(const char* text) { return QString::fromUtf8(text); }

// The demo profile as a profile made where no vendor token was set: without the objects 2600h.
std::string withoutVendorObjects(std::string profile) {
    const std::size_t begin = profile.find("<obj_2600h.00h");
    const std::string end = "</obj_2600h.01h>";
    const std::size_t endAt = profile.find(end);
    if (begin == std::string::npos || endAt == std::string::npos) return profile;
    return profile.erase(begin, endAt + end.size() - begin);
}

// The profile text with each pair's first text replaced by its second.
std::string withSettings(std::string profile, std::initializer_list<std::pair<std::string, std::string>> changes) {
    for (const auto& [from, to] : changes) profile.replace(profile.find(from), from.size(), to);
    return profile;
}

}  // namespace

class GenerationTest : public QObject {
    Q_OBJECT

private slots:
    void generateDeliversTheControllerFile_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<bool>("saved");
        QTest::newRow("save at generation") << QString() << true;
        QTest::newRow("no save at generation") << QStringLiteral("save_at_generation=0\r\n") << false;
    }

    void generateDeliversTheControllerFile() {
        QFETCH(QString, options);
        QFETCH(bool, saved);
        test::OpenedWindow run("ProgLanguage=0\r\n" + options.toStdString());
        run.find<QCheckBox>("CheckBoxBigYA")->click();  // marks the profile modified
        const QString captionBefore = run.window().windowTitle();
        QString captionWhileGenerating;
        bool editableWhileGenerating = true;
        run.port.onAsk([&] {
            // The main timer ticks while a message waits for its answer.
            QMetaObject::invokeMethod(run.find<QTimer>("TimerMain"), "timeout");
            captionWhileGenerating = run.window().windowTitle();
            editableWhileGenerating = !run.find<QLineEdit>("EditAddrComm")->isReadOnly();
        });
        QGuiApplication::clipboard()->clear();
        const fs::path profile = app::nativePath(run.profile());
        const auto writtenBefore = fs::last_write_time(profile);

        QTest::mouseClick(run.find<QPushButton>("ButtonGenerate"), Qt::LeftButton);

        const std::string copy = test::readFile(run.home().path() / "Log" / "vost_1.c");
        QVERIFY(copy.size() > 1000);
        QVERIFY(copy.ends_with("\r\n\r\n"));
        const QString clipboard = QGuiApplication::clipboard()->text();
        QCOMPARE(clipboard, toQString(copy.substr(0, copy.size() - 2)));
        QVERIFY(clipboard.contains(QStringLiteral("OD_TBL1")));
        QVERIFY(!clipboard.contains(utf8("я")));  // BigYA
        QCOMPARE(run.port.asked().size(), std::size_t(1));
        QCOMPARE(toQString(run.port.asked()[0].text),
                 utf8("Файл сгенерирован. Содержимое файла скопировано в буфер обмена."));
        QCOMPARE(captionWhileGenerating, utf8("Генерируется файл для контроллера..."));
        QVERIFY(!editableWhileGenerating);
        QVERIFY(!run.find<QLineEdit>("EditAddrComm")->isReadOnly());
        QVERIFY(run.find<QPushButton>("ButtonGenerate")->isEnabled());
        QCOMPARE(fs::last_write_time(profile) != writtenBefore, saved);
        QCOMPARE(run.window().windowTitle() == captionBefore, !saved);

        QTest::mouseClick(run.find<QPushButton>("ButtonGenerate"), Qt::LeftButton);
        QVERIFY(fs::exists(run.home().path() / "Log" / "vost_2.c"));
    }

    // Opening creates 2600h.00h and 2600h.01h for the program's token; the command-line tool opens
    // the profile the same way, so both write the same file.
    void generateGivesTheBytesOfTheCommandLineTool() {
        const test::ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1700000000");
        test::TestHome home("[Options]\r\nProgLanguage=0\r\nVendorToken=5C3E91D7\r\n[Main]\r\nUser=" +
                            cp1251::fromUtf8("Иванов") + "\r\n");
        const fs::path profile = home.path() / "profiles" / "notoken.xml";
        test::writeFile(profile, withoutVendorObjects(test::readFile(home.path() / "profiles" / "demo_drive.xml")));
        QVERIFY(test::readFile(profile).find("2600h") == std::string::npos);
        const fs::path cliOutput = home.path() / "cli-vost.c";
        QProcess cli;
        cli.start(QStringLiteral(TABRIN_CLI_PATH),
                  {QStringLiteral("--home"), toQPath(app::pathText(home.path())), QStringLiteral("generate"),
                   toQPath(app::pathText(profile)), QStringLiteral("-o"), toQPath(app::pathText(cliOutput))});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);

        test::ScriptedMessagePort port({}, app::MessageAnswer::Yes);  // opens despite the token question
        test::ScriptedFileDialogPort dialogs({app::pathText(profile)});
        MainWindow window(home.path(), app::progLanguageRussian, port, dialogs);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ButtonLogin")), Qt::LeftButton);
        window.findChild<QAction*>(QStringLiteral("N_Open"))->trigger();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ButtonGenerate")), Qt::LeftButton);

        const std::string copy = test::readFile(home.path() / "Log" / "vost_1.c");
        QVERIFY(copy.find("0x5C3E91D7") != std::string::npos);
        QCOMPARE(copy, test::readFile(cliOutput) + "\r\n");  // the log copy ends with one more line break
    }

    // Each file of "Генерировать всё" holds the bytes of the command-line tool's single generation
    // of its configuration and module; the configuration chosen and the caption stay as they were.
    void generateAllGivesTheBytesOfTheCommandLineTool() {
        const test::ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1700000000");
        test::TempFolder source;
        test::writeFile(source.path() / "dual.xml",
                        withSettings(test::readFile(fs::path(DEMO_HOME_DIR) / "profiles" / "demo_drive.xml"),
                                     {{"prefix=\"0\"", "prefix=\"1\""}, {"VostCFolder=\"\"", "VostCFolder=\"gen\""}}));
        test::OpenedWindow run("ProgLanguage=0\r\nsave_at_generation=0\r\n", source.path() / "dual.xml");
        const fs::path folder = run.home().path() / "profiles" / "gen";
        fs::create_directories(folder);
        run.find<QListWidget>("ListBoxConfigurations")->setCurrentRow(1);
        const QString caption = run.window().windowTitle();
        QString captionWhileGenerating;
        bool enabledWhileGenerating = true;
        run.port.onAsk([&] {
            captionWhileGenerating = run.window().windowTitle();
            enabledWhileGenerating = run.find<QPushButton>("btnGenAll")->isEnabled();
        });

        QTest::mouseClick(run.find<QPushButton>("btnGenAll"), Qt::LeftButton);

        QCOMPARE(run.port.asked().size(), std::size_t(1));
        QVERIFY(toQString(run.port.asked()[0].text)
                    .endsWith(utf8("Записаны файлы:\r\n    vost1_PCH-Demo_2.c\r\n    vost2_PCH-Demo_2.c")));
        QCOMPARE(captionWhileGenerating, utf8("Генерируются файлы для контроллера..."));
        QVERIFY(!enabledWhileGenerating);
        QVERIFY(run.find<QPushButton>("btnGenAll")->isEnabled());
        QCOMPARE(run.window().windowTitle(), caption);
        QCOMPARE(run.find<QListWidget>("ListBoxConfigurations")->currentRow(), 1);
        QCOMPARE(static_cast<int>(std::distance(fs::directory_iterator(folder), {})), 2);
        for (const int module : {1, 2}) {
            QProcess cli;
            cli.start(QStringLiteral(TABRIN_CLI_PATH),
                      {QStringLiteral("--home"), toQPath(app::pathText(run.home().path())), QStringLiteral("generate"),
                       toQPath(run.profile()), QStringLiteral("--config"), QStringLiteral("1"),
                       QStringLiteral("--module"), QString::number(module)});
            QVERIFY(cli.waitForFinished());
            QCOMPARE(cli.exitCode(), 0);
            const QByteArray expected = cli.readAllStandardOutput();
            QVERIFY(expected.size() > 1000);
            const std::string file = "vost" + std::to_string(module) + "_PCH-Demo_2.c";
            QCOMPARE(QByteArray::fromStdString(test::readFile(folder / file)), expected);
        }
    }

    // The check's first question answered No refuses its configuration: told in the final message,
    // nothing written for it; the other configurations are written.
    void generateAllTellsARefusedConfiguration() {
        test::TempFolder source;
        test::writeFile(source.path() / "configurations.xml",
                        withSettings(test::readFile(fs::path(TEST_DATA_DIR) / "generation" / "configurations.xml"),
                                     {{"prefix=\"0\"", "prefix=\"0\" VostCFolder=\"gen\""}}));
        test::OpenedWindow run("ProgLanguage=0\r\n", source.path() / "configurations.xml");
        const fs::path folder = run.home().path() / "profiles" / "gen";
        fs::create_directories(folder);
        run.port = test::ScriptedMessagePort({app::MessageAnswer::No}, app::MessageAnswer::Yes);

        QTest::mouseClick(run.find<QPushButton>("btnGenAll"), Qt::LeftButton);

        QVERIFY(fs::exists(folder / "vost_Nasos_1.c"));
        QVERIFY(fs::exists(folder / "vost_Ventilyator.c"));
        QVERIFY(!fs::exists(folder / "vost_Slomannaya.c"));
        const app::Message summary = run.port.asked().back();
        QCOMPARE(summary.icon, app::MessageIcon::Warning);
        QVERIFY(toQString(summary.text).contains(utf8("'Сломанная': профиль не прошёл проверку перед генерацией")));
        QVERIFY(!run.window().windowTitle().contains(QLatin1Char('*')));  // saved at generation
    }

    void edsFileIsWrittenBesideTheProfile() {
        test::OpenedWindow run;
        auto* header = run.find<QPlainTextEdit>("MemoEdsHeader");
        header->setPlainText(QStringLiteral("Demo drive\nsecond line"));
        auto* button = run.find<QPushButton>("ButtonEdsGenerate");
        const QPoint buttonBefore = showEdsPage(run, button);
        bool barShown = false;
        QPoint buttonWhileShown;
        run.port.onAsk([&] {
            QCoreApplication::processEvents();  // lays the page out again
            barShown = !run.find<QProgressBar>("ProgressBarEdsGen")->isHidden();
            buttonWhileShown = button->pos();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(barShown);
        QCOMPARE(buttonWhileShown, buttonBefore);

        const fs::path eds = app::nativePath(run.profile()).replace_extension(".eds");
        const std::string text = test::readFile(eds);
        QVERIFY(text.find("Demo drive\r\nsecond line\r\n") != std::string::npos);
        QVERIFY(text.find("[MandatoryObjects]") != std::string::npos);
        QCOMPARE(run.port.asked().size(), std::size_t(1));
        QCOMPARE(toQString(run.port.asked()[0].text),
                 utf8("Файл сгенерирован и находится по пути: ") + toQString(app::pathText(eds)));
        QVERIFY(run.find<QProgressBar>("ProgressBarEdsGen")->isHidden());
        // Saved at generation, with the header typed into the memo.
        QVERIFY(test::readFile(app::nativePath(run.profile())).find("second line") != std::string::npos);
        QVERIFY(!run.window().windowTitle().contains(QLatin1Char('*')));
    }

    void edsHeaderWithBracketsIsRefused() {
        test::OpenedWindow run;
        run.find<QPlainTextEdit>("MemoEdsHeader")->setPlainText(QStringLiteral("<b>"));
        bool barShown = true;
        run.port.onAsk([&] { barShown = !run.find<QProgressBar>("ProgressBarEdsGen")->isHidden(); });
        QTest::mouseClick(run.find<QPushButton>("ButtonEdsGenerate"), Qt::LeftButton);
        QVERIFY(!barShown);  // nothing is written, so no progress is shown with the refusal
        QVERIFY(!fs::exists(app::nativePath(run.profile()).replace_extension(".eds")));
        QCOMPARE(run.port.asked().size(), std::size_t(1));
        QVERIFY(toQString(run.port.asked()[0].text).startsWith(utf8("В шапке EDS-файла есть кавычки <>.")));
    }

private:
    // The page "EDS-файл" on the screen; where its generate button stands there.
    static QPoint showEdsPage(test::OpenedWindow& run, QWidget* button) {
        run.find<QTabWidget>("PageControl1")->setCurrentWidget(run.find<QWidget>("TabSheetProfile"));
        run.find<QTabWidget>("PageControl2")->setCurrentWidget(run.find<QWidget>("TabSheetEDS"));
        QCoreApplication::processEvents();
        return button->pos();
    }
};

TABRIN_UI_TEST(GenerationTest)

}  // namespace tabrin::ui

#include "generation_test.moc"
