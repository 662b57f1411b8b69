// The generate and EDS buttons on the demo profile: the controller text on the clipboard and in
// the log folder, the messages, the caption, the save at generation and the EDS file beside the
// profile.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/cp1251.h"
#include "support/tempfolder.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

namespace fs = std::filesystem;

QString utf8(const char* text) { return QString::fromUtf8(text); }

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

    void generateAllStaysWithoutAction() {
        test::OpenedWindow run;
        auto* all = run.find<QPushButton>("btnGenAll");
        QVERIFY(!all->isHidden());  // the demo profile has a configuration besides the base profile
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(all, Qt::LeftButton);
        QVERIFY(run.port.asked().empty());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void edsFileIsWrittenBesideTheProfile() {
        test::OpenedWindow run;
        auto* header = run.find<QPlainTextEdit>("MemoEdsHeader");
        header->setPlainText(QStringLiteral("Demo drive\nsecond line"));
        QTest::mouseClick(run.find<QPushButton>("ButtonEdsGenerate"), Qt::LeftButton);

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
        QTest::mouseClick(run.find<QPushButton>("ButtonEdsGenerate"), Qt::LeftButton);
        QVERIFY(!fs::exists(app::nativePath(run.profile()).replace_extension(".eds")));
        QCOMPARE(run.port.asked().size(), std::size_t(1));
        QVERIFY(toQString(run.port.asked()[0].text).startsWith(utf8("В шапке EDS-файла есть кавычки <>.")));
    }
};

TABRIN_UI_TEST(GenerationTest)

}  // namespace tabrin::ui

#include "generation_test.moc"
