// A main window on its own program folder, logged in as Иванов with the demo profile (or another
// one) open, for the tests of the pages that need a profile.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <filesystem>
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
    /// `options` are added to the settings file's section Options. A `profileFile` is copied into
    /// the folder "profiles" and opened instead of the demo profile.
    explicit OpenedWindow(const std::string& options = "ProgLanguage=0\r\n",
                          const std::filesystem::path& profileFile = {})
        : m_home("[Options]\r\n" + options + "[Main]\r\nUser=" + cp1251::fromUtf8("Иванов") + "\r\n"),
          m_window(std::make_unique<ui::MainWindow>(m_home.path(), app::progLanguageRussian, port, dialogs)) {
        if (!profileFile.empty()) {
            std::filesystem::copy_file(profileFile, m_home.path() / "profiles" / profileFile.filename());
            m_profile = m_home.profile(profileFile.filename().string());
        }
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
    std::string profile() const { return m_profile.empty() ? m_home.profile() : m_profile; }

    ScriptedMessagePort port;
    ScriptedFileDialogPort dialogs;

private:
    TestHome m_home;
    std::string m_profile;
    std::unique_ptr<ui::MainWindow> m_window;
};

}  // namespace tabrin::test
