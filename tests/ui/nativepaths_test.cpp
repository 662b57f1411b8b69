// A program folder and a profile whose paths hold characters outside Windows-1251 ("Jörg"): the
// window opens, shows, saves and remembers them as the file system names them.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "app/cp1251.h"
#include "app/paths.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "ui/mainwindow.h"
#include "ui/testhome.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

namespace fs = std::filesystem;

QString utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class NativePathsTest : public QObject {
    Q_OBJECT

private slots:
    void homeAndProfileUnderAFolderOutsideTheCodePage() {
        const test::TestHome home("[Options]\r\nProgLanguage=0\r\nLast_prof_open=1\r\n[Main]\r\nUser=" +
                                      cp1251::fromUtf8("Иванов") + "\r\n",
                                  fs::path("Jörg") / "Tabrin");
        // Beside the home: the settings file can hold the relative path, not the absolute one.
        const fs::path file = home.path().parent_path() / "Профили" / "привод.xml";
        fs::create_directories(file.parent_path());
        fs::copy_file(home.path() / "profiles" / "demo_drive.xml", file);
        const std::string path = app::pathText(file);
        test::ScriptedMessagePort port;
        test::ScriptedFileDialogPort dialogs;
        {
            MainWindow window(home.path(), app::progLanguageRussian, port, dialogs);
            window.show();
            QTest::mouseClick(window.findChild<QPushButton*>("ButtonLogin"), Qt::LeftButton);
            dialogs.answer(path);
            window.findChild<QAction*>("N_Open")->trigger();
            QVERIFY2(port.asked().empty(), port.asked().empty() ? "" : cp1251::toUtf8(port.asked()[0].text).c_str());
            QVERIFY(window.windowTitle().contains(utf8(path)));
            QVERIFY(fs::exists(home.path() / "Log" / "привод_1.xml"));
            const QList<QAction*> recent = window.findChild<QMenu*>("N_Recent")->actions();
            QCOMPARE(recent.size(), 1);
            QCOMPARE(recent.front()->text(), utf8(path));

            window.findChild<QCheckBox*>("CheckBoxBigYA")->click();
            window.findChild<QAction*>("N_Save")->trigger();
            QVERIFY(test::readFile(file).find("BigYA=\"true\"") != std::string::npos);
            QVERIFY(window.close());
        }
        const std::string ini = test::readFile(home.path() / "Tabrin4.INI");
        QVERIFY(ini.find("Profile0=\r\n") != std::string::npos);
        QVERIFY(ini.find("ProfileRel0=" + cp1251::fromUtf8("../Профили/привод.xml") + "\r\n") != std::string::npos);
        QVERIFY(ini.find('?') == std::string::npos);

        // The next run opens it again after the login, from what the settings file holds.
        MainWindow again(home.path(), app::progLanguageRussian, port, dialogs);
        again.show();
        QTest::mouseClick(again.findChild<QPushButton*>("ButtonLogin"), Qt::LeftButton);
        QVERIFY(again.windowTitle().contains(utf8(path)));
    }
};

TABRIN_UI_TEST(NativePathsTest)

}  // namespace tabrin::ui

#include "nativepaths_test.moc"
