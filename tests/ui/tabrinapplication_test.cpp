// Exceptions that escape an event handler: logged, shown, and the program goes on.
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <new>
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

enum class Thrown { Standard, OutOfMemory, Other };

// Throws what it is told to from its event handler.
class Thrower : public QObject {
public:
    explicit Thrower(Thrown thrown) : m_thrown(thrown) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        if (m_thrown == Thrown::Standard) throw std::runtime_error("broken grid");
        if (m_thrown == Thrown::OutOfMemory) throw std::bad_alloc();
        throw 42;
    }

private:
    Thrown m_thrown;
};

}  // namespace

class TabrinApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void escapedExceptionsAreLoggedAndShown_data() {
        QTest::addColumn<int>("thrown");
        QTest::addColumn<QString>("message");
        QTest::newRow("the program's exception") << int(Thrown::Standard) << QStringLiteral("broken grid");
        QTest::newRow("memory ran out") << int(Thrown::OutOfMemory) << QStringLiteral("Unable to allocate memory");
        QTest::newRow("anything else") << int(Thrown::Other) << QString();
    }

    void escapedExceptionsAreLoggedAndShown() {
        QFETCH(int, thrown);
        QFETCH(QString, message);
        auto* application = qobject_cast<TabrinApplication*>(QCoreApplication::instance());
        QVERIFY(application != nullptr);
        const test::TempFolder folder;
        app::EventLog log;
        QVERIFY(log.open(folder.path() / "Tabrin4.log"));
        test::ScriptedMessagePort port;
        application->setExceptionHandling(&port, &log);

        Thrower thrower(static_cast<Thrown>(thrown));
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
