// The report window from ButtonWord: its defaults, a report written on the worker thread and
// handed to the desktop, ranges that do not read, and a report stopped by closing the window.
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/cp1251.h"
#include "model/numbertext.h"
#include "support/tempfolder.h"
#include "ui/modalhelper.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"
#include "ui/reportwindow.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

bool always(QWidget*) { return true; }

QStringList reportFiles() {
    return QDir::temp().entryList({QStringLiteral("demo_drive - report-*.docx")}, QDir::Files);
}

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

    void reportIsWrittenAndOpened() {
        DesktopStub desktop;
        bool minimised = false;
        QString caption;
        QStringList defaults;
        test::whenShown("FormWord", always, [&](QWidget* window) {
            minimised = m_run->window().isMinimized();
            caption = window->windowTitle();
            for (const char* name : {"StartIndexEdit", "EndIndexEdit", "StartGroupEdit", "EndGroupEdit"})
                defaults << window->findChild<QLineEdit*>(name)->text();
            for (const char* name : {"CheckBoxWriteSecret", "CheckBoxGenerateIndexes", "CheckBoxLongTexts"})
                defaults << (window->findChild<QCheckBox*>(name)->isChecked() ? "on" : "off");
            QTest::mouseClick(window->findChild<QPushButton*>("ButtonStart"), Qt::LeftButton);
        });
        QTest::mouseClick(m_run->find<QPushButton>("ButtonWord"), Qt::LeftButton);

        QVERIFY(minimised);
        QVERIFY(!m_run->window().isMinimized());
        QCOMPARE(caption, utf8("Отчет в Word по профилю: ") + toQString(m_run->profile()));
        QCOMPARE(defaults, (QStringList{"2500", "FFFF", "-2", "255", "on", "on", "off"}));
        QCOMPARE(desktop.opened.size(), 1);
        const QString file = desktop.opened.front().toLocalFile();
        QVERIFY(test::readFile(file.toStdString()).starts_with("PK"));
        QFile::remove(file);
        auto* report = m_run->window().findChild<ReportWindow*>();
        QVERIFY(!report || !report->isRunning());
        QVERIFY(m_run->port.asked().empty());
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
        const QStringList before = reportFiles();
        ReportWindow* report = nullptr;
        test::whenShown("FormWord", always, [&](QWidget* window) {
            report = static_cast<ReportWindow*>(window);
            QTest::mouseClick(window->findChild<QPushButton*>("ButtonStart"), Qt::LeftButton);
            QVERIFY(report->isRunning());
            window->close();
        });
        QTest::mouseClick(m_run->find<QPushButton>("ButtonWord"), Qt::LeftButton);
        QVERIFY(report);
        QTRY_VERIFY_WITH_TIMEOUT(!report->isRunning(), 30000);
        QVERIFY(desktop.opened.isEmpty());
        QCOMPARE(reportFiles(), before);
    }

private:
    // Editable parameters of the group at position 3, all within the default index range.
    void addParameters(int count) {
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
        }
        m_run->window().workspace().profile.addObjects(std::move(objects), 0);
    }

    std::unique_ptr<test::OpenedWindow> m_run;
};

TABRIN_UI_TEST(ReportWindowTest)

}  // namespace tabrin::ui

#include "reportwindow_test.moc"
