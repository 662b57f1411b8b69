// The items of the main menu that need an open profile follow whether one is open.
#include <QAction>
#include <QPushButton>
#include <QTest>

#include "app/cp1251.h"
#include "app/paths.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "ui/mainwindow.h"
#include "ui/testhome.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {

class MainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void xmlEditorItemOnlyWhileAProfileIsOpen() {
        const test::TestHome home("[Options]\r\nProgLanguage=0\r\n[Main]\r\nUser=" + cp1251::fromUtf8("Иванов") +
                                  "\r\n");
        const std::filesystem::path broken = home.path() / "profiles" / "broken.xml";
        test::writeFile(broken, "<root>");
        test::ScriptedMessagePort port;
        test::ScriptedFileDialogPort dialogs({home.profile(), app::pathText(broken)});
        MainWindow window(home.path(), app::progLanguageRussian, port, dialogs);
        window.show();
        auto* editor = window.findChild<QAction*>("N_OpenXML");
        QTest::mouseClick(window.findChild<QPushButton*>("ButtonLogin"), Qt::LeftButton);
        QVERIFY(!editor->isEnabled());

        window.findChild<QAction*>("N_Open")->trigger();
        QVERIFY(editor->isEnabled());
        window.findChild<QAction*>("N_Open")->trigger();
        QCOMPARE(port.asked().size(), std::size_t(1));  // the file is no profile
        QVERIFY(!editor->isEnabled());
    }
};

TABRIN_UI_TEST(MainMenuTest)

}  // namespace tabrin::ui

#include "mainmenu_test.moc"
