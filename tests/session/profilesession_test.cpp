// The open profile: opening and its failures, the questions before opening another, saving, the
// notice of changes by other programs, autosave with its backup, and the recent list.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

#include "app/cp1251.h"
#include "app/paths.h"
#include "app/version.h"
#include "editing/settingscommands.h"
#include "session/profilesession.h"
#include "session/workspace.h"
#include "support/profilefile.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::session {
namespace {

namespace fs = std::filesystem;
using test::w;

const std::string kObjects = test::objectElement("1000h.00h") + test::objectElement("3000h.00h");
// Lower-case letters in an index fail the check made before generation.
const std::string kFaultyObjects = test::objectElement("1000h.00h") + test::objectElement("300ah.00h");

class ProfileSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(home.path() / "Log");
        drive = writeProfile("drive.xml", kObjects);
    }

    std::string writeProfile(const std::string& name, const std::string& objects) {
        const fs::path file = home.path() / "profiles" / name;
        test::writeFile(file, test::profileFile(objects));
        return app::pathText(file);
    }

    ProfileSession& start(const std::string& ini = "[Options]\r\nProgLanguage=0\r\n") {
        test::writeFile(app::settingsFilePath(home.path()), ini);
        workspace = std::make_unique<Workspace>(home.path(), app::progLanguageRussian);
        workspace->start();
        session = std::make_unique<ProfileSession>(*workspace, port, dialogs);
        return *session;
    }

    // Opens `path` and forgets what opening asked and logged.
    ProfileSession& opened(const std::string& path) {
        EXPECT_TRUE(session->open(path));
        port = test::ScriptedMessagePort();
        return *session;
    }

    std::string log() const { return test::readFile(home.path() / "Log" / "Tabrin4.log"); }

    // A change of the profile through its document, as a page makes one.
    void change(const std::function<void(model::ProfileSettings&)>& edit = [](model::ProfileSettings& settings) {
        settings.BigYA = !settings.BigYA;
    }) {
        workspace->document.push(editing::settingsFieldChange(workspace->profile, edit, workspace->translator));
    }

    static void touch(const std::string& path) {
        const fs::path file = app::nativePath(path);
        fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(5));
    }

    std::vector<std::string> askedCaptions() const {
        std::vector<std::string> captions;
        for (const app::Message& message : port.asked()) captions.push_back(cp1251::toUtf8(message.caption));
        return captions;
    }

    test::TempFolder home;
    std::string drive;
    test::ScriptedMessagePort port;
    test::ScriptedFileDialogPort dialogs;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<ProfileSession> session;
};

TEST_F(ProfileSessionTest, OpenShowsThePathCopiesIntoTheLogFolderAndPutsItFirst) {
    start();
    const std::string other = writeProfile("other.xml", kObjects);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(session->open(drive));
    ASSERT_TRUE(session->open(other));

    EXPECT_TRUE(session->isOpen());
    EXPECT_FALSE(session->isModified());
    EXPECT_EQ(session->caption(), app::programTitle() + " - Профиль: " + other + " [DEBUG]");
    for (const char* copy : {"drive_1.xml", "drive_2.xml", "drive_3.xml", "other_1.xml"})
        EXPECT_TRUE(fs::exists(home.path() / "Log" / copy)) << copy;
    EXPECT_NE(log().find("Open profile: " + drive + " (copy saved under the name 'drive_3.xml')"), std::string::npos);
    const auto& recent = workspace->settings.recentProfiles;
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(recent[0], (app::TPathRelAbs{"profiles/other.xml", other}));
    EXPECT_EQ(recent[1], (app::TPathRelAbs{"profiles/drive.xml", drive}));
    EXPECT_TRUE(port.asked().empty());
}

TEST_F(ProfileSessionTest, FailedOpenIsToldAndLeavesNoProfile) {
    struct Row {
        const char* name;
        std::string contents;  // empty: no file at all
        const char* caption;
        const char* logLine;
    };
    const Row rows[] = {
        {"missing file", "", "Ошибка", "Error opening profile '"},
        {"not a profile", "<?xml version=\"1.0\"?>\n<other/>\n",
         "Открываемый файл не является профилем словаря CANopen", "Error parsing profile '"},
    };
    start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        opened(drive);
    change();
        const fs::path file = home.path() / "broken.xml";
        fs::remove(file);
        if (!row.contents.empty()) test::writeFile(file, row.contents);

        EXPECT_FALSE(session->open(app::pathText(file)));
        EXPECT_FALSE(session->isOpen());
        EXPECT_FALSE(session->isModified());
        EXPECT_EQ(session->path(), app::pathText(file));
        EXPECT_EQ(session->caption(), app::programTitle() + " [DEBUG]");
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(cp1251::toUtf8(port.asked()[0].caption), row.caption);
        EXPECT_EQ(port.asked()[0].icon, app::MessageIcon::Error);
        EXPECT_NE(log().find(row.logLine + app::pathText(file) + "'"), std::string::npos);
        // Nothing is saved over the file that could not be opened, by hand or by autosave.
        EXPECT_FALSE(session->save());
        EXPECT_FALSE(fs::exists(home.path() / "Log" / "broken_1.xml"));
    }
}

TEST_F(ProfileSessionTest, DecliningTheVendorTokenQuestionFailsTheOpen) {
    start("[Options]\r\nVendorToken=5C3E91D7\r\n");
    port = test::ScriptedMessagePort({app::MessageAnswer::No});
    EXPECT_FALSE(session->open(drive));
    EXPECT_FALSE(session->isOpen());
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_EQ(port.asked()[0].caption, "drive.xml");
    EXPECT_TRUE(workspace->settings.recentProfiles.empty());
    EXPECT_FALSE(fs::exists(home.path() / "Log" / "drive_1.xml"));
}

TEST_F(ProfileSessionTest, OpeningThatAlignsTheVendorTokenLeavesTheProfileModified) {
    struct Row {
        const char* name;
        const char* programToken;
        std::string profileToken;  // the default of 2600h.01h; empty: the profile has no 2600h objects
        bool modified;
    };
    const Row rows[] = {
        {"no token anywhere", "", "", false},
        {"tokens equal but for case", "5c3e91d7", "0x5C3E91D7", false},
        {"token objects created", "5C3E91D7", "", true},
        {"token replaced", "5C3E91D7", "0x11111111", true},
        {"token cleared", "", "0x11111111", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string objects = kObjects;
        if (!row.profileToken.empty())
            objects += test::objectElement("2600h.00h", "Root", "2", "0") +
                       test::objectElement("2600h.01h", "StandartNum", "2", row.profileToken);
        const std::string path = writeProfile("token.xml", objects);
        start("[Options]\r\nVendorToken=" + std::string(row.programToken) + "\r\n");
        port = test::ScriptedMessagePort({}, app::MessageAnswer::Yes);

        ASSERT_TRUE(session->open(path));
        EXPECT_EQ(session->isModified(), row.modified);
        EXPECT_EQ(session->caption().find('*') != std::string::npos, row.modified);
        // Closing asks to save the change the opening made, and only then.
        port = test::ScriptedMessagePort({app::MessageAnswer::Cancel});
        EXPECT_EQ(session->askToSaveModified(SaveQuestion::BeforeExit), !row.modified);
        EXPECT_EQ(port.asked().size(), row.modified ? 1u : 0u);
    }
}

TEST_F(ProfileSessionTest, TheQuestionBeforeOpeningAnotherProfile) {
    struct Row {
        const char* name;
        app::MessageAnswer answer;
        bool saveFails;
        bool opensOther;
        bool driveWritten;
    };
    const Row rows[] = {
        {"cancel keeps the profile", app::MessageAnswer::Cancel, false, false, false},
        {"no opens without saving", app::MessageAnswer::No, false, true, false},
        {"yes saves, then opens", app::MessageAnswer::Yes, false, true, true},
        {"a failed save keeps the profile", app::MessageAnswer::Yes, true, false, false},
    };
    start();
    const std::string other = writeProfile("other.xml", kObjects);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::writeFile(app::nativePath(drive), test::profileFile(kObjects));
        const std::string before = test::readFile(app::nativePath(drive));
        opened(drive);
    change();
        // A profile without its group enumeration cannot be saved.
        if (row.saveFails) change([](model::ProfileSettings& settings) { settings.group_set.clear(); });
        port = test::ScriptedMessagePort({row.answer});
        dialogs.answer(other);

        EXPECT_EQ(session->openWithDialog(), row.opensOther);
        EXPECT_EQ(session->path(), row.opensOther ? other : drive);
        EXPECT_EQ(session->isModified(), !row.opensOther);
        EXPECT_EQ(test::readFile(app::nativePath(drive)) != before, row.driveWritten);
        ASSERT_FALSE(port.asked().empty());
        EXPECT_EQ(port.asked()[0],
                  (app::Message{w("Сохранить текущий профиль?"), w("Текущий профиль был изменен.\nСохранить изменения?"),
                           app::MessageButtons::YesNoCancel, app::MessageIcon::Question}));
        EXPECT_EQ(dialogs.asked().size(), row.opensOther ? 1u : 0u);
        if (row.opensOther) {
            EXPECT_EQ(dialogs.asked()[0].filter, w("XML-файлы (*.xml)|*.xml|все файлы|*.*"));
        }
        dialogs = test::ScriptedFileDialogPort();
    }
}

TEST_F(ProfileSessionTest, SaveWritesTheFileAndClearsTheMark) {
    start();
    opened(drive);
    change();
    EXPECT_NE(session->caption().find(drive + "* [DEBUG]"), std::string::npos);
    std::string status;
    session->setStatusListener([&](const std::string& text) { status = text; });

    EXPECT_TRUE(session->save());
    EXPECT_FALSE(session->isModified());
    EXPECT_EQ(status, w("Сохранение"));
    EXPECT_NE(test::readFile(app::nativePath(drive)).find("Tabrin4=\"v."), std::string::npos);
    EXPECT_NE(log().find("Profile saved to file: " + drive), std::string::npos);
    EXPECT_TRUE(port.asked().empty());
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(ProfileSessionTest, FailedSaveKeepsTheOldFileAndTheMark) {
    start();
    opened(drive);
    change();
    const std::string before = test::readFile(app::nativePath(drive));
    change([](model::ProfileSettings& settings) { settings.group_set.clear(); });

    EXPECT_FALSE(session->save());
    EXPECT_TRUE(session->isModified());
    EXPECT_EQ(test::readFile(app::nativePath(drive)), before);
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_EQ(port.asked()[0].text, w("Не задан номер перечисления с названиями групп параметров"));
    EXPECT_EQ(log().find("Profile saved"), std::string::npos);
}

TEST_F(ProfileSessionTest, FileChangedByAnotherProgramIsSavedUnderANewName) {
    start();
    opened(drive);
    change();
    touch(drive);
    const std::string changedByOthers = test::readFile(app::nativePath(drive));
    const std::string newName = app::pathText(home.path() / "profiles" / "drive2.xml");
    // Cancelling the new name, then going on with the save, then choosing a name.
    port = test::ScriptedMessagePort({app::MessageAnswer::Ok, app::MessageAnswer::No, app::MessageAnswer::Ok});
    dialogs = test::ScriptedFileDialogPort({std::nullopt, newName});

    EXPECT_TRUE(session->save());
    EXPECT_EQ(session->path(), newName);
    EXPECT_FALSE(session->isModified());
    EXPECT_TRUE(fs::exists(app::nativePath(newName)));
    EXPECT_EQ(test::readFile(app::nativePath(drive)), changedByOthers);
    EXPECT_EQ(askedCaptions(), (std::vector<std::string>{"Файл изменен внешней программой", "Не выбрано новое имя",
                                                         "Файл изменен внешней программой"}));
    EXPECT_EQ(port.asked()[0].text,
              w("Файл ") + drive +
                  w(" был изменен внешним приложением.\nЕсли сохранить файл под тем же именем, изменения, внесенные "
                    "внешним приложением, могут быть потеряны.\nВыберите другое имя файла, для сохранения профиля."));
    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[0].startPath, app::pathText(home.path() / "profiles" / "drive") + " (ред.).xml");
    // The new file is the one watched from now on.
    EXPECT_FALSE(session->changedExternally());
}

TEST_F(ProfileSessionTest, AbandonedNewNameWritesNothingAndAsksAgainNextTime) {
    start();
    opened(drive);
    touch(drive);
    const std::string changedByOthers = test::readFile(app::nativePath(drive));
    port = test::ScriptedMessagePort({app::MessageAnswer::Ok, app::MessageAnswer::Yes});

    session->checkExternalChange();
    EXPECT_EQ(session->path(), drive);
    EXPECT_EQ(test::readFile(app::nativePath(drive)), changedByOthers);
    EXPECT_EQ(port.asked().size(), 2u);
    EXPECT_TRUE(session->changedExternally());
    port = test::ScriptedMessagePort({app::MessageAnswer::Ok, app::MessageAnswer::Yes});
    session->checkExternalChange();
    EXPECT_EQ(port.asked().size(), 2u);
}

TEST_F(ProfileSessionTest, UnchangedFileIsNotQuestioned) {
    start();
    opened(drive);
    session->checkExternalChange();
    EXPECT_FALSE(session->saveAs());
    EXPECT_TRUE(port.asked().empty());
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].startPath, drive);
}

TEST_F(ProfileSessionTest, SaveAsWarnsOnceAboutAnExternalChange) {
    start();
    opened(drive);
    touch(drive);
    const std::string copy = app::pathText(home.path() / "copy.xml");
    dialogs.answer(copy);

    EXPECT_TRUE(session->saveAs());
    EXPECT_EQ(askedCaptions(), std::vector<std::string>{"Файл изменен внешней программой"});
    EXPECT_EQ(session->path(), copy);
    // The files made beside the profile (EDS, panel texts) now go beside the copy.
    EXPECT_EQ(workspace->profile.path, copy);
    EXPECT_EQ(workspace->settings.recentProfiles.front().abs, copy);
}

TEST_F(ProfileSessionTest, AutosaveWritesEveryPeriodWithABackupOnlyWhenTheCheckPasses) {
    struct Row {
        const char* name;
        std::string objects;
        bool backup;
    };
    const Row rows[] = {{"sound profile", kObjects, true}, {"profile failing the check", kFaultyObjects, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = writeProfile("auto.xml", row.objects);
        const fs::path backup = home.path() / "profiles" / "auto.back";
        fs::remove(backup);
        start("[Options]\r\nprof_auto_save=1\r\nauto_save_period=10\r\nauto_save_backup=1\r\n");
        opened(path);
        const std::string before = test::readFile(app::nativePath(path));

        for (int second = 1; second < 10; ++second) session->autosaveTick();
        EXPECT_EQ(test::readFile(app::nativePath(path)), before);
        // Autosave writes an unmodified profile too.
        session->autosaveTick();
        EXPECT_NE(test::readFile(app::nativePath(path)), before);
        EXPECT_EQ(fs::exists(backup), row.backup);
        if (row.backup) {
            EXPECT_EQ(test::readFile(backup), before);
        }
        EXPECT_TRUE(port.asked().empty());
    }
}

TEST_F(ProfileSessionTest, AutosaveCountsAgainAfterTheOptionChanges) {
    start("[Options]\r\nprof_auto_save=1\r\nauto_save_period=10\r\n");
    opened(drive);
    for (int second = 0; second < 5; ++second) session->autosaveTick();
    const std::string before = test::readFile(app::nativePath(drive));
    workspace->settings.autoSavePeriod = 3;
    session->autosaveTick();
    EXPECT_NE(test::readFile(app::nativePath(drive)), before);

    const std::string saved = test::readFile(app::nativePath(drive));
    workspace->settings.profAutoSave = false;
    for (int second = 0; second < 20; ++second) session->autosaveTick();
    EXPECT_EQ(test::readFile(app::nativePath(drive)), saved);
}

TEST_F(ProfileSessionTest, AutomaticOpenAtLogin) {
    const std::string first = writeProfile("first.xml", kObjects);
    start("[RecentProfiles]\r\nProfile0=" + first + "\r\nProfileRel0=profiles/first.xml\r\n");
    ASSERT_TRUE(session->openAtLogin());
    EXPECT_EQ(session->path(), first);
    // The row after the first object of the user part, 3000h.00h, the second row of the view.
    EXPECT_EQ(workspace->settings.lastTopRow, 2);

    workspace->settings.lastTopRow = 7;
    ASSERT_TRUE(session->openAtLogin());
    EXPECT_EQ(workspace->settings.lastTopRow, 7);

    const std::string missing = app::pathText(home.path() / "gone.xml");
    workspace->settings.recentProfiles = {{"gone.xml", missing}};
    port = test::ScriptedMessagePort();
    EXPECT_FALSE(session->openAtLogin());
    EXPECT_EQ(session->path(), first);
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_NE(port.asked()[0].text.find(missing), std::string::npos);
}

TEST_F(ProfileSessionTest, NothingToOpenAtLoginWithoutRecentProfiles) {
    start();
    EXPECT_FALSE(session->openAtLogin());
    EXPECT_TRUE(port.asked().empty());
    EXPECT_EQ(session->path(), "");
}

TEST_F(ProfileSessionTest, NothingToMarkWithoutAnOpenProfile) {
    start();
    change();
    EXPECT_FALSE(session->isModified());
    EXPECT_TRUE(session->askToSaveModified(SaveQuestion::BeforeExit));
    EXPECT_TRUE(port.asked().empty());
}

TEST_F(ProfileSessionTest, ANewProgramTokenMarksTheOpenProfileModified) {
    start();
    opened(drive);
    workspace->settings.vendorToken = "5C3E91D7";
    EXPECT_TRUE(session->alignVendorToken().profileModified);
    EXPECT_TRUE(session->isModified());
}

}  // namespace
}  // namespace tabrin::session
