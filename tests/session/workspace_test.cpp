// The run's start and end without a window: the log folder, the settings written at the end, the
// bases loaded at login and the questions about modified bases.
#include <gtest/gtest.h>

#include <memory>

#include "app/cp1251.h"
#include "app/filewrite.h"
#include "session/workspace.h"
#include "support/ordinaryuser.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::session {
namespace {

namespace fs = std::filesystem;
using test::w;

const char* kTextBase =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<Texts>\n"
    "\t\t<text_1 id=\"1\" textid=\"1\" text=\"a\" sets=\"0\" trus=\"\" teng=\"\" author=\"ivan\"/>\n"
    "\t</Texts>\n</root>\n";
const char* kSetBase =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<Sets>\n"
    "\t\t<set_5 id=\"5\" author=\"ivan\">\n\t\t\t<items item_0=\"a\"/>\n\t\t</set_5>\n"
    "\t</Sets>\n</root>\n";

TEST(WorkspaceStart, LogFolderIsEmptiedAndTheLogOpened) {
    const test::TempFolder program;
    const fs::path logFolder = program.path() / "Log";
    test::writeFile(logFolder / "drive_1.xml", "old copy");
    test::writeFile(logFolder / "Tabrin4.log", "old log");
    test::writeFile(logFolder / ".keep", "kept");
    fs::create_directories(logFolder / "archive");

    Workspace workspace(program.path(), app::progLanguageRussian);
    workspace.start();
    EXPECT_TRUE(workspace.log.isOpen());
    EXPECT_FALSE(fs::exists(logFolder / "drive_1.xml"));
    EXPECT_TRUE(fs::exists(logFolder / ".keep"));
    EXPECT_TRUE(fs::is_directory(logFolder / "archive"));
    EXPECT_EQ(test::readFile(logFolder / "Tabrin4.log"), "");
}

// A second run of the same program folder finds the first one's log and copies in use: it keeps
// them and adds to the log; only a run started when no other runs empties the folder.
TEST(WorkspaceStart, ARunBesideAnotherKeepsTheLogFolderAndAddsToTheLog) {
    const test::TempFolder program;
    const fs::path logFolder = program.path() / "Log";
    fs::create_directories(logFolder);
    const fs::path logFile = logFolder / "Tabrin4.log";

    auto first = std::make_unique<Workspace>(program.path(), app::progLanguageRussian);
    first->start();
    test::writeFile(logFolder / "drive_1.xml", "copy made by the first run");
    first->log.writeLog("first");

    auto second = std::make_unique<Workspace>(program.path(), app::progLanguageRussian);
    second->start();
    ASSERT_TRUE(second->log.isOpen());
    second->log.writeLog("second");
    first->log.writeLog("first again");
    EXPECT_TRUE(fs::exists(logFolder / "drive_1.xml"));
    const std::string entries = test::readFile(logFile);
    const std::size_t firstAt = entries.find(": first\r\n");
    const std::size_t secondAt = entries.find(": second\r\n");
    const std::size_t againAt = entries.find(": first again\r\n");
    ASSERT_NE(againAt, std::string::npos) << entries;
    EXPECT_LT(firstAt, secondAt);
    EXPECT_LT(secondAt, againAt);

    // The first run has ended; the second still runs, so a third keeps the folder too.
    first.reset();
    Workspace third(program.path(), app::progLanguageRussian);
    third.start();
    EXPECT_TRUE(fs::exists(logFolder / "drive_1.xml"));
    EXPECT_NE(test::readFile(logFile).find(": second\r\n"), std::string::npos);
}

TEST(WorkspaceStart, TheFirstRunAfterAllOthersEndedEmptiesTheLogFolder) {
    const test::TempFolder program;
    const fs::path logFolder = program.path() / "Log";
    fs::create_directories(logFolder);
    {
        Workspace earlier(program.path(), app::progLanguageRussian);
        earlier.start();
        earlier.log.writeLog("earlier");
        test::writeFile(logFolder / "drive_1.xml", "copy");
    }
    Workspace later(program.path(), app::progLanguageRussian);
    later.start();
    EXPECT_FALSE(fs::exists(logFolder / "drive_1.xml"));
    EXPECT_EQ(test::readFile(logFolder / "Tabrin4.log"), "");
}

TEST(WorkspaceStart, TheLogTellsOfAFileWrittenInPlace) {
    const test::TempFolder program;
    fs::permissions(program.path(), static_cast<fs::perms>(0755));
    fs::create_directory(program.path() / "Log");
    const fs::path shared = program.path() / "shared";
    test::writeFile(shared / "vost.c", "old");
    fs::permissions(shared / "vost.c", static_cast<fs::perms>(0666));
    fs::permissions(shared, static_cast<fs::perms>(0555));

    {
        Workspace workspace(program.path(), app::progLanguageRussian);
        workspace.start();
        test::giveToOrdinaryUser(shared / "vost.c");
        bool written = false;
        const bool ran = test::runAsOrdinaryUser([&] { written = app::writeFileAtomically(shared / "vost.c", "new").written(); });
        fs::permissions(shared, static_cast<fs::perms>(0755));
        if (!ran) GTEST_SKIP() << "cannot run as an ordinary user here";
        EXPECT_TRUE(written);
    }
    const std::string log = test::readFile(program.path() / "Log" / "Tabrin4.log");
    EXPECT_NE(log.find(": Writing '" + (shared / "vost.c").string() +
                       "' in place: its folder allows no temporary file (Permission denied)\r\n"),
              std::string::npos)
        << log;

    // Once the workspace is gone, nothing is told to its log.
    fs::permissions(shared, static_cast<fs::perms>(0555));
    test::runAsOrdinaryUser([&] { app::writeFileAtomically(shared / "vost.c", "newer"); });
    fs::permissions(shared, static_cast<fs::perms>(0755));
    EXPECT_EQ(test::readFile(program.path() / "Log" / "Tabrin4.log"), log);
}

TEST(WorkspaceStart, NoLogWithoutTheFolder) {
    const test::TempFolder program;
    Workspace workspace(program.path(), app::progLanguageEnglish);
    workspace.start();
    EXPECT_FALSE(workspace.log.isOpen());
    EXPECT_FALSE(fs::exists(program.path() / "Log"));
    EXPECT_EQ(workspace.language, app::Language::English);
}

TEST(WorkspaceFinish, WritesTheSettingsAndTheDictionary) {
    const test::TempFolder program;
    test::writeFile(app::settingsFilePath(program.path()),
                    "[Options]\r\nProgLanguage=1\r\n[Vost]\r\nColWidth3=200\r\nColWidth4=100\r\n");
    Workspace workspace(program.path(), app::progLanguageRussian);
    workspace.start();
    workspace.settings.user = w("Иванов");
    // Switched to Russian in the options dialog: the English name column is shared out again.
    workspace.settings.progLanguage = app::progLanguageRussian;
    workspace.texts.elements().resize(2);
    workspace.finish();

    const app::Settings written = app::readSettings(app::settingsFilePath(program.path()), app::progLanguageEnglish);
    EXPECT_EQ(written.user, w("Иванов"));
    EXPECT_EQ(written.progLanguage, app::progLanguageRussian);
    EXPECT_EQ(written.profColumnWidths[3], 150);
    EXPECT_EQ(written.profColumnWidths[4], 150);
    EXPECT_TRUE(fs::exists(program.path() / "lang_dict.xml"));
    EXPECT_TRUE(workspace.texts.elements().empty());
}

TEST(WorkspaceFinish, AFailedSettingsWriteIsLogged) {
    const test::TempFolder program;
    fs::create_directories(program.path() / "Log");
    fs::create_directories(app::settingsFilePath(program.path()));  // a folder where the file should be
    Workspace workspace(program.path(), app::progLanguageRussian);
    workspace.start();
    workspace.finish();
    workspace.log.close();
    EXPECT_NE(test::readFile(program.path() / "Log" / "Tabrin4.log").find("Error saving 'Tabrin4.INI': "),
              std::string::npos);
}

TEST(WorkspaceBases, BothLoadedAsFarAsTheirFilesGo) {
    const test::TempFolder program;
    test::writeFile(program.path() / "xml_DB" / "TextBase.xml", kTextBase);
    Workspace workspace(program.path(), app::progLanguageRussian);
    test::ScriptedMessagePort port;
    EXPECT_FALSE(workspace.loadBases(port));
    EXPECT_EQ(workspace.texts.elements().size(), 1u);
    test::writeFile(program.path() / "xml_DB" / "SetBase.xml", kSetBase);
    EXPECT_TRUE(workspace.loadBases(port));
    EXPECT_EQ(workspace.sets.elements().size(), 1u);
    EXPECT_TRUE(port.asked().empty());
}

TEST(WorkspaceBases, QuestionsAboutModifiedBasesBeforeTheEnd) {
    struct Row {
        const char* name;
        bool textsModified;
        bool setsModified;
        std::deque<app::MessageAnswer> answers;
        bool mayEnd;
        std::vector<std::string> questions;  // UTF-8
        bool textsSaved;
    };
    const std::string texts = "База текстов была изменена.\nСохранить изменения?";
    const std::string sets = "База перечислений была изменена.\nСохранить изменения?";
    const Row rows[] = {
        {"nothing modified", false, false, {}, true, {}, false},
        {"texts saved", true, false, {app::MessageAnswer::Yes}, true, {texts}, true},
        {"texts left, sets asked", true, true, {app::MessageAnswer::No, app::MessageAnswer::No}, true, {texts, sets}, false},
        {"cancel at the texts asks nothing more", true, true, {app::MessageAnswer::Cancel}, false, {texts}, false},
        {"cancel at the sets", false, true, {app::MessageAnswer::Cancel}, false, {sets}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempFolder program;
        test::writeFile(program.path() / "xml_DB" / "TextBase.xml", kTextBase);
        test::writeFile(program.path() / "xml_DB" / "SetBase.xml", kSetBase);
        Workspace workspace(program.path(), app::progLanguageRussian);
        test::ScriptedMessagePort loading;
        ASSERT_TRUE(workspace.loadBases(loading));
        workspace.texts.elements().front().text = "changed";
        workspace.texts.setModified(row.textsModified);
        workspace.sets.setModified(row.setsModified);
        test::ScriptedMessagePort port(row.answers);

        EXPECT_EQ(workspace.askToSaveModifiedBases(port), row.mayEnd);
        std::vector<std::string> questions;
        for (const app::Message& message : port.asked()) {
            EXPECT_EQ(message.caption, w("Выход"));
            EXPECT_EQ(message.buttons, app::MessageButtons::YesNoCancel);
            questions.push_back(cp1251::toUtf8(message.text));
        }
        EXPECT_EQ(questions, row.questions);
        EXPECT_EQ(test::readFile(program.path() / "xml_DB" / "TextBase.xml").find("changed") != std::string::npos,
                  row.textsSaved);
    }
}

TEST(WorkspaceBases, AFailedBaseSaveIsToldAndKeepsTheProgramRunning) {
    const test::TempFolder program;
    Workspace workspace(program.path(), app::progLanguageRussian);
    workspace.texts.elements().resize(1);
    workspace.texts.elements().front().id = "1";
    workspace.texts.setModified(true);
    fs::create_directories(program.path() / "xml_DB" / "TextBase.xml");  // a folder where the file should be
    test::ScriptedMessagePort port({app::MessageAnswer::Yes});

    EXPECT_FALSE(workspace.askToSaveModifiedBases(port));
    ASSERT_EQ(port.asked().size(), 2u);
    EXPECT_EQ(port.asked()[1].caption, w("Ошибка"));
    EXPECT_TRUE(workspace.texts.isModified());
}

}  // namespace
}  // namespace tabrin::session
