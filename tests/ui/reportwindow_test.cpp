// The report window from ButtonWord: its defaults, the file asked for, a report written on the
// worker thread and handed to the desktop, a file that cannot be written, ranges that do not read,
// and a report stopped by closing the window.
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/cp1251.h"
#include "app/paths.h"
#include "editing/objectscommand.h"
#include "model/numbertext.h"
#include "support/tempfolder.h"
#include "ui/modalhelper.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"
#include "ui/reportwindow.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

namespace fs = std::filesystem;

QString utf8(const char* text) { return QString::fromUtf8(text); }

bool always(QWidget*) { return true; }

void start(QWidget* reportWindow) { QTest::mouseClick(reportWindow->findChild<QPushButton*>("ButtonStart"), Qt::LeftButton); }

}  // namespace

// Receives the documents the program hands to the desktop, instead of a word processor.
class DesktopStub : public QObject {
    Q_OBJECT

public:
    DesktopStub() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~DesktopStub() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_run = std::make_unique<test::OpenedWindow>(); }
    void cleanup() { m_run.reset(); }

    void reportIsWrittenWhereTheUserChoseAndOpened() {
        DesktopStub desktop;
        bool minimised = false;
        QString caption;
        QStringList defaults;
        const fs::path folder = m_run->home().path() / "Отчёты";
        fs::create_directory(folder);
        const std::string chosen = app::pathText(folder / "привод.docx");
        m_run->dialogs.answer(chosen);
        test::whenShown("FormWord", always, [&](QWidget* window) {
            minimised = m_run->window().isMinimized();
            caption = window->windowTitle();
            for (const char* name : {"StartIndexEdit", "EndIndexEdit", "StartGroupEdit", "EndGroupEdit"})
                defaults << window->findChild<QLineEdit*>(name)->text();
            for (const char* name : {"CheckBoxWriteSecret", "CheckBoxGenerateIndexes", "CheckBoxLongTexts"})
                defaults << (window->findChild<QCheckBox*>(name)->isChecked() ? "on" : "off");
            start(window);
        });
        QTest::mouseClick(m_run->find<QPushButton>("ButtonWord"), Qt::LeftButton);

        QVERIFY(minimised);
        QVERIFY(!m_run->window().isMinimized());
        QCOMPARE(caption, utf8("Отчет в Word по профилю: ") + toQString(m_run->profile()));
        QCOMPARE(defaults, (QStringList{"2500", "FFFF", "-2", "255", "on", "on", "off"}));
        QCOMPARE(m_run->dialogs.asked().size(), std::size_t(1));
        const fs::path profile = app::nativePath(m_run->profile());
        QCOMPARE(toQPath(m_run->dialogs.asked()[0].startPath),
                 toQPath(app::pathText(profile.parent_path() / "demo_drive - report.docx")));
        QCOMPARE(desktop.opened, (QList<QUrl>{QUrl::fromLocalFile(toQPath(chosen))}));
        QVERIFY(test::readFile(folder / "привод.docx").starts_with("PK"));
        auto* report = m_run->window().findChild<ReportWindow*>();
        QVERIFY(!report || !report->isRunning());
        QVERIFY(m_run->port.asked().empty());

        // The next report is proposed in the folder of the last one.
        QCOMPARE(toQPath(m_run->window().workspace().settings.reportFolder), toQPath(app::pathText(folder)));
        test::whenShown("FormWord", always, [](QWidget* window) {
            start(window);  // the dialog is cancelled
            window->close();
        });
        QTest::mouseClick(m_run->find<QPushButton>("ButtonWord"), Qt::LeftButton);
        QCOMPARE(m_run->dialogs.asked().size(), std::size_t(2));
        QCOMPARE(toQPath(m_run->dialogs.asked()[1].startPath), toQPath(app::pathText(folder / "demo_drive - report.docx")));
        QCOMPARE(desktop.opened.size(), 1);
        QVERIFY(m_run->port.asked().empty());
    }

    void fileThatCannotBeWrittenIsToldWithTheSystemsReason() {
        DesktopStub desktop;
        const fs::path folder = m_run->home().path() / "report.docx";  // a folder where the file would go
        fs::create_directory(folder);
        m_run->dialogs.answer(app::pathText(folder));
        bool startEnabledAfter = false;
        test::whenShown("FormWord", always, [&](QWidget* window) {
            start(window);
            auto* report = static_cast<ReportWindow*>(window);
            QTRY_VERIFY_WITH_TIMEOUT(!report->isRunning(), 30000);
            startEnabledAfter = window->findChild<QPushButton*>("ButtonStart")->isEnabled();
            window->close();
        });
        QTest::mouseClick(m_run->find<QPushButton>("ButtonWord"), Qt::LeftButton);
        QVERIFY(startEnabledAfter);
        QVERIFY(desktop.opened.isEmpty());
        QVERIFY(fs::is_directory(folder));
        QCOMPARE(m_run->port.asked().size(), std::size_t(1));
        QCOMPARE(toQString(m_run->port.asked()[0].text), utf8("Не удалось записать отчёт в файл ") +
                                                                toQPath(app::pathText(folder)) + QStringLiteral(". ") +
                                                                QString::fromLocal8Bit(std::strerror(EISDIR)));
    }

    void rangeThatDoesNotReadIsRefused() {
        DesktopStub desktop;
        test::whenShown("FormWord", always, [&](QWidget* window) {
            window->findChild<QLineEdit*>("StartIndexEdit")->setText(QStringLiteral("25G0"));
            QTest::mouseClick(window->findChild<QPushButton*>("ButtonStart"), Qt::LeftButton);
            QVERIFY(window->findChild<QLineEdit*>("StartIndexEdit")->isEnabled());
            window->close();
        });
        QTest::mouseClick(m_run->find<QPushButton>("ButtonWord"), Qt::LeftButton);
        QCOMPARE(m_run->port.asked().size(), std::size_t(1));
        QCOMPARE(toQString(m_run->port.asked()[0].text), utf8("'25G0' не является шестнадцатеричным индексом."));
        QVERIFY(desktop.opened.isEmpty());
    }

    void closingStopsTheReport() {
        DesktopStub desktop;
        addParameters(5000);
        const fs::path file = m_run->home().path() / "stopped.docx";
        m_run->dialogs.answer(app::pathText(file));
        ReportWindow* report = nullptr;
        test::whenShown("FormWord", always, [&](QWidget* window) {
            report = static_cast<ReportWindow*>(window);
            start(window);
            QVERIFY(report->isRunning());
            window->close();
        });
        QTest::mouseClick(m_run->find<QPushButton>("ButtonWord"), Qt::LeftButton);
        QVERIFY(report);
        QTRY_VERIFY_WITH_TIMEOUT(!report->isRunning(), 30000);
        QVERIFY(desktop.opened.isEmpty());
        QVERIFY(!fs::exists(file));
    }

private:
    // Editable parameters of the group at position 3, all within the default index range.
    void addParameters(int count) {
        editing::ProfileDocument& document = m_run->window().workspace().document;
        std::vector<model::DictObject> objects;
        for (int i = 0; i < count; ++i) {
            model::DictObject& object = objects.emplace_back();
            object.index = model::numberToHexText(static_cast<std::uint32_t>(0x4000 + i), 4);
            object.subindex = "00h";
            object.DataType = "Editable";
            object.Type = "StandartNum";
            object.Size = "16";
            object.Signed = "false";
            object.format = "18944";  // Editable unsigned 16-bit number
            object.group = "3";
            object.defaultValue = "1";
            object.serial = document.newSerial();
        }
        document.push(std::make_unique<editing::ObjectsCommand>(
            editing::CommandTexts{}, std::vector<model::ObjectSerial>{}, std::move(objects)));
    }

    std::unique_ptr<test::OpenedWindow> m_run;
};

TABRIN_UI_TEST(ReportWindowTest)

}  // namespace tabrin::ui

#include "reportwindow_test.moc"
