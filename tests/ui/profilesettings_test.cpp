// The profile settings page bound to the open profile: the CAN module in both controls, the
// address fields with Enter and Escape, paths kept relative, the group enumeration and the boxes
// whose changes reach the profile.
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "app/cp1251.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "ui/mainwindow.h"
#include "ui/qtext.h"
#include "ui/radiogroup.h"
#include "ui/testhome.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {

class ProfileSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_home = std::make_unique<test::TestHome>("[Main]\r\nUser=" + cp1251::fromUtf8("Иванов") + "\r\n");
        m_port = std::make_unique<test::ScriptedMessagePort>();
        m_window = std::make_unique<MainWindow>(m_home->path(), app::progLanguageRussian, *m_port, m_dialogs);
        m_window->show();
        QTest::mouseClick(find<QWidget>("ButtonLogin"), Qt::LeftButton);
        m_dialogs.answer(m_home->profile());
        find<QAction>("N_Open")->trigger();
        QVERIFY(m_window->workspace().profile.settings.prefix == 0);
        find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        find<QTabWidget>("PageControl2")->setCurrentIndex(2);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_port.reset();
        m_home.reset();
    }

    void canModuleInBothControlsWithItsAddresses() {
        auto* addrComm = find<QLineEdit>("EditAddrComm");
        QVERIFY(!addrComm->isEnabled());
        find<RadioGroup>("rgCANmoduleNum")->findChildren<QRadioButton*>().at(2)->click();

        QCOMPARE(find<QComboBox>("CBCANNum")->currentIndex(), 2);
        QCOMPARE(settings().prefix, 2);
        QVERIFY(addrComm->isEnabled());
        QCOMPARE(addrComm->text(), toQString(settings().AddrComm2));
        QVERIFY(modified());

        // Undo shows the module it brought back in both controls.
        m_window->workspace().document.undo();
        QCOMPARE(settings().prefix, 0);
        QCOMPARE(find<QComboBox>("CBCANNum")->currentIndex(), 0);
        QCOMPARE(find<RadioGroup>("rgCANmoduleNum")->itemIndex(), 0);
        QVERIFY(!addrComm->isEnabled());
    }

    void enterStoresAnAddressAndEscapeRestoresIt() {
        auto* canModule = find<QComboBox>("CBCANNum");
        canModule->setCurrentIndex(1);
        emit canModule->activated(1);
        QCOMPARE(find<RadioGroup>("rgCANmoduleNum")->itemIndex(), 1);
        auto* addrUser = find<QLineEdit>("EditAddrUser");
        addrUser->setFocus();
        addrUser->selectAll();
        QTest::keyClicks(addrUser, QStringLiteral("0x200"));
        QTest::keyClick(addrUser, Qt::Key_Return);
        QCOMPARE(settings().AddrUser1, std::string("0x200"));

        addrUser->selectAll();
        QTest::keyClicks(addrUser, QStringLiteral("typo"));
        QTest::keyClick(addrUser, Qt::Key_Escape);
        QCOMPARE(addrUser->text(), QStringLiteral("0x200"));
        QCOMPARE(settings().AddrUser1, std::string("0x200"));
    }

    void typedAbsolutePathIsKeptRelativeToTheProfile() {
        auto* folder = find<QLineEdit>("editVostCFolder");
        QVERIFY(!folder->isEnabled());
        find<QCheckBox>("cbGenVostCToFolder")->click();
        QVERIFY(folder->isEnabled());
        std::filesystem::create_directories(m_home->path() / "out");
        folder->clear();
        QTest::keyClicks(folder, toQPath(app::pathText(m_home->path() / "out")));

        QCOMPARE(QString::fromStdString(settings().VostCFolder), QStringLiteral("../out"));
        QVERIFY(modified());
        // Beside the field: the controller file that generation will write into the folder.
        bool shown = false;
        for (const QLabel* label : m_window->findChildren<QLabel*>())
            shown = shown || label->text() == toQPath(app::pathText(m_home->path() / "out" / "vost.c"));
        QVERIFY(shown);
    }

    // The profile file is Windows-1251: a typed character it cannot hold is refused, not stored as "?".
    void aTypedCharacterTheProfileCannotHoldIsRefused() {
        auto* folder = find<QLineEdit>("editVostCFolder");
        find<QCheckBox>("cbGenVostCToFolder")->click();
        folder->clear();
        QTest::keyClicks(folder, QStringLiteral("../out"));
        QVERIFY(m_port->asked().empty());
        folder->setFocus();
        QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("ö"));
        QCoreApplication::sendEvent(folder, &typed);

        QCOMPARE(m_port->asked().size(), std::size_t(1));
        QVERIFY(m_port->asked()[0].text.find("U+00F6") != std::string::npos);
        QCOMPARE(folder->text(), QStringLiteral("../out"));
        QCOMPARE(settings().VostCFolder, std::string("../out"));
    }

    void groupEnumerationChoiceStoresItsNumber() {
        auto* groupSet = find<QComboBox>("CBGroupSet");
        QVERIFY(groupSet->currentText().startsWith(QStringLiteral("20:")));
        const int five = groupSet->findText(QStringLiteral("5:"), Qt::MatchStartsWith);
        QVERIFY(five >= 0);
        groupSet->setCurrentIndex(five);
        emit groupSet->activated(five);
        QCOMPARE(settings().group_set, std::string("5"));
        QVERIFY(modified());
    }

    void boxesStoreIntoTheProfile_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("CheckBoxBigYA") << "CheckBoxBigYA";
        QTest::newRow("CBOldGroups") << "CBOldGroups";
        QTest::newRow("cbGenVostCToFolder") << "cbGenVostCToFolder";
    }

    void boxesStoreIntoTheProfile() {
        QFETCH(QString, box);
        const model::ProfileSettings before = settings();
        m_window->findChild<QCheckBox*>(box)->click();
        QVERIFY(settings() != before);
        QVERIFY(modified());
        QVERIFY(m_window->windowTitle().endsWith(QStringLiteral("* [DEBUG]")));
    }

    void assemblerSeriesShowsItsOwnGroupWithoutMarkingTheProfile() {
        find<RadioGroup>("RadioGroupProc")->findChildren<QRadioButton*>().at(1)->click();
        QVERIFY(!find<QWidget>("GroupBoxCSettings")->isVisible());
        QVERIFY(find<QWidget>("GroupBoxAsmSettings")->isVisible());
        QVERIFY(!modified());
        find<QCheckBox>("CheckBoxVost_inc")->click();
        QVERIFY(settings().Vost_inc);
        QVERIFY(modified());
    }

private:
    template <typename Widget>
    Widget* find(const char* name) const {
        return m_window->findChild<Widget*>(QString::fromLatin1(name));
    }

    const model::ProfileSettings& settings() const { return m_window->workspace().profile.settings; }
    bool modified() const { return m_window->windowTitle().contains(QLatin1Char('*')); }

    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedMessagePort> m_port;
    test::ScriptedFileDialogPort m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

TABRIN_UI_TEST(ProfileSettingsTest)

}  // namespace tabrin::ui

#include "profilesettings_test.moc"
