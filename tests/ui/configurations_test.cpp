// Configurations through the window: creating one in a profile with only the base, renaming to an
// empty name, deleting the last of three, copying a base object into a configuration and moving
// rows with the address question, each undone from the menu.
#include <QListWidget>
#include <QAbstractButton>
#include <QLineEdit>

#include "app/paths.h"
#include "support/tempfolder.h"
#include "ui/dictionarywindow.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

using app::MessageAnswer;

QString utf8(const char* text) { return QString::fromUtf8(text); }

std::filesystem::path fixture(const char* name) { return std::filesystem::path(TEST_DATA_DIR) / "editing" / name; }

}  // namespace

class ConfigurationsTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void cleanup() { m_run.reset(); }

    void creatingInABaseOnlyProfileStartsRenamingTheNewConfiguration() {
        openWindow(fixture("base_only.xml"));
        QVERIFY(m_run->find<QWidget>("btnGenAll")->isHidden());
        QVERIFY(!m_run->find<QAbstractButton>("ButtonDeleteConfiguration")->isEnabled());
        m_run->find<QAbstractButton>("ButtonNewConfiguration")->click();
        QCOMPARE(names(), (QStringList{utf8("Базовый профиль"), utf8("Новая конфигурация")}));
        QCOMPARE(list()->currentRow(), 1);
        QCOMPARE(m_run->window().workspace().profile.CurrSubProfile, 1);
        QVERIFY(!m_run->find<QWidget>("btnGenAll")->isHidden());
        QVERIFY(nameEditor());
        QVERIFY(!m_run->find<QAbstractButton>("ButtonNewConfiguration")->isEnabled());
        // The view shows the base objects in the base colours.
        const editing::Rgb base = editing::rowBackground(editing::RowOrigin::BaseProfile, 1);
        QCOMPARE(background(0), QColor(base.red, base.green, base.blue));
        QTest::keyClick(nameEditor(), Qt::Key_Return);
        QTRY_VERIFY(m_run->find<QAbstractButton>("ButtonNewConfiguration")->isEnabled());
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: создание конфигурации Новая конфигурация"));
        menuItem("N_Undo")->trigger();
        QCOMPARE(names(), QStringList{utf8("Базовый профиль")});
        QVERIFY(m_run->find<QWidget>("btnGenAll")->isHidden());
    }

    void anEmptyNameIsKeptInTheListAndTheFile() {
        openWindow(fixture("three_configurations.xml"));
        list()->setCurrentRow(1);
        m_run->find<QAbstractButton>("ButtonRenameConfiguration")->click();
        QVERIFY(!m_run->find<QAbstractButton>("ButtonDeleteConfiguration")->isEnabled());
        QLineEdit* editor = nameEditor();
        QVERIFY(editor);
        editor->clear();
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(m_run->find<QAbstractButton>("ButtonDeleteConfiguration")->isEnabled());
        QCOMPARE(names(), (QStringList{utf8("Базовый профиль"), QString(), QStringLiteral("second")}));
        QVERIFY(log().find("Renaming configuration 'first' started") != std::string::npos);
        menuItem("N_Save")->trigger();
        QVERIFY(test::readFile(app::nativePath(m_run->profile())).find("<SubProfile_01 name=\"\">") != std::string::npos);
    }

    void deletingTheLastOfThreeSelectsTheNewLast() {
        openWindow(fixture("three_configurations.xml"));
        list()->setCurrentRow(2);
        m_run->port = test::ScriptedMessagePort({MessageAnswer::Yes});
        m_run->find<QAbstractButton>("ButtonDeleteConfiguration")->click();
        QCOMPARE(toQString(m_run->port.asked().at(0).text), utf8("Удалить конфигурацию 'second'?"));
        QCOMPARE(names(), (QStringList{utf8("Базовый профиль"), QStringLiteral("first")}));
        QCOMPARE(list()->currentRow(), 1);
        QVERIFY(log().find("Configuration deleted: second") != std::string::npos);
        menuItem("N_Undo")->trigger();
        QCOMPARE(names(), (QStringList{utf8("Базовый профиль"), QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(list()->currentRow(), 2);
        QVERIFY(row("3000h", "01h") >= 0);
    }

    void copyToOverridesABaseObjectWithoutAsking() {
        openWindow(fixture("three_configurations.xml"));
        list()->setCurrentRow(1);
        const int base = row("2000h", "01h");
        const QColor baseColour = background(base);
        clickCell(base, 3);
        openMenu(base);
        entry("N_CopyTo", 1)->trigger();
        QVERIFY(m_run->port.asked().empty());
        QVERIFY(background(row("2000h", "01h")) != baseColour);
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: копирование объекта 2000h.01h в 'first'"));
        showsWhatAFreshOpenShows();
    }

    void moveToAsksForATakenAddressAndLogsTheCancelledOne() {
        openWindow(fixture("three_configurations.xml"));
        list()->setCurrentRow(1);
        const int first = row("2534h", "01h");
        clickCell(first, 3);
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(first + 2, 3));
        m_run->port = test::ScriptedMessagePort({MessageAnswer::No, MessageAnswer::Yes});
        openMenu(first + 1);
        entry("N_MoveTo", 2)->trigger();
        QCOMPARE(m_run->port.asked().size(), std::size_t(2));
        QVERIFY(log().find("User canceled moving object 3000h.00h to configuration 'second'") != std::string::npos);
        QVERIFY(log().find("Object [2534h.01h] moved to configuration 'second'") != std::string::npos);
        QCOMPARE(row("2534h", "01h"), -1);  // moved out of the base, configuration 1 no longer shows it
        menuItem("N_Undo")->trigger();
        QVERIFY(row("2534h", "01h") >= 0);
        showsWhatAFreshOpenShows();
    }

private:
    QLineEdit* nameEditor() const {
        for (QLineEdit* editor : list()->findChildren<QLineEdit*>())
            if (editor->isVisible()) return editor;
        return nullptr;
    }

    QListWidget* list() const { return m_run->find<QListWidget>("ListBoxConfigurations"); }

    QStringList names() const {
        QStringList shown;
        for (int r = 0; r < list()->count(); ++r) shown << list()->item(r)->text();
        return shown;
    }

    QAction* entry(const char* menu, int position) const {
        for (QAction* action : m_run->window().findChild<QMenu*>(QString::fromLatin1(menu))->actions())
            if (action->data().toInt() == position) return action;
        return nullptr;
    }
};

TABRIN_UI_TEST(ConfigurationsTest)

}  // namespace tabrin::ui

#include "configurations_test.moc"
