// A main window on its own program folder, logged in as Иванов with the demo profile open, for
// the tests of the pages that need a profile.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>

#include "app/cp1251.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "ui/mainwindow.h"
#include "ui/testhome.h"

namespace tabrin::test {

class OpenedWindow {
public:
    /// `options` are added to the settings file's section Options.
    explicit OpenedWindow(const std::string& options = "ProgLanguage=0\r\n")
        : m_home("[Options]\r\n" + options + "[Main]\r\nUser=" + cp1251::fromUtf8("Иванов") + "\r\n"),
          m_window(std::make_unique<ui::MainWindow>(m_home.path(), app::progLanguageRussian, port, dialogs)) {
        m_window->show();
        QTest::mouseClick(find<QPushButton>("ButtonLogin"), Qt::LeftButton);
        dialogs.answer(profile());
        find<QAction>("N_Open")->trigger();
        port = ScriptedMessagePort();
        dialogs = ScriptedFileDialogPort();
    }

    template <typename Widget>
    Widget* find(const char* name) const {
        return m_window->findChild<Widget*>(QString::fromLatin1(name));
    }

    ui::MainWindow& window() { return *m_window; }
    const TestHome& home() const { return m_home; }
    /// The path text of the open profile.
    std::string profile() const { return m_home.profile(); }

    ScriptedMessagePort port;
    ScriptedFileDialogPort dialogs;

private:
    TestHome m_home;
    std::unique_ptr<ui::MainWindow> m_window;
};

}  // namespace tabrin::test
