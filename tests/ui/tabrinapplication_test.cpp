// Exceptions that escape an event handler: logged, shown, and the program goes on.
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <stdexcept>

#include "app/cp1251.h"
#include "app/eventlog.h"
#include "app/version.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "ui/tabrinapplication.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

// Throws what it is told to from its event handler.
class Thrower : public QObject {
public:
    explicit Thrower(bool standard) : m_standard(standard) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        if (m_standard) throw std::runtime_error("broken grid");
        throw 42;
    }

private:
    bool m_standard;
};

}  // namespace

class TabrinApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void escapedExceptionsAreLoggedAndShown_data() {
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("message");
        QTest::newRow("the program's exception") << true << QStringLiteral("broken grid");
        QTest::newRow("anything else") << false << QString();
    }

    void escapedExceptionsAreLoggedAndShown() {
        QFETCH(bool, standard);
        QFETCH(QString, message);
        auto* application = qobject_cast<TabrinApplication*>(QCoreApplication::instance());
        QVERIFY(application != nullptr);
        const test::TempFolder folder;
        app::EventLog log;
        QVERIFY(log.open(folder.path() / "Tabrin4.log"));
        test::ScriptedMessagePort port;
        application->setExceptionHandling(&port, &log);

        Thrower thrower(standard);
        QEvent event(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&thrower, &event));
        application->setExceptionHandling(nullptr, nullptr);

        QCOMPARE(port.asked().size(), std::size_t(1));
        QCOMPARE(port.asked()[0].caption, app::programTitle());
        QCOMPARE(QString::fromStdString(port.asked()[0].text), message);
        log.close();
        const std::string logged = test::readFile(folder.path() / "Tabrin4.log");
        QVERIFY(logged.ends_with(": " + message.toStdString() + "\r\n"));
    }
};

TABRIN_UI_TEST(TabrinApplicationTest)

}  // namespace tabrin::ui

#include "tabrinapplication_test.moc"
