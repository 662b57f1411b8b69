// The settings file: defaults, every key read and written, recent profiles, kept keys, failures.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::app {
namespace {

namespace fs = std::filesystem;
using test::w;

class SettingsFile : public ::testing::Test {
protected:
    fs::path profile(const std::string& relative) {
        const fs::path path = program.path() / nativePath(relative);
        test::writeFile(path, "<root/>");
        return path;
    }

    test::TempFolder program;
    const fs::path iniFile = settingsFilePath(program.path());
};

TEST_F(SettingsFile, MissingOrUnreadableFileGivesTheDefaults) {
    for (const int language : {progLanguageRussian, progLanguageEnglish}) {
        SCOPED_TRACE(language);
        Settings expected;
        expected.progLanguage = language;
        EXPECT_EQ(readSettings(iniFile, language), expected);
        fs::create_directory(iniFile);
        EXPECT_EQ(readSettings(iniFile, language), expected);
        fs::remove(iniFile);
    }
}

TEST_F(SettingsFile, ReadsAHandWrittenWindowsFile) {
    profile("Профили\\Привод.xml");
    test::writeFile(iniFile,
                    "[Options]\r\nProgLanguage=0\r\nVendorToken=5C3E91D7\r\nLast_prof_open=2\r\nRememberLastNum=5\r\n"
                    "XMLProgPath=/usr/bin/xmlmarker\r\ntext_reserv_cnt=20\r\nset_reserv_cnt=3\r\nprof_auto_save=1\r\n"
                    "auto_save_period=60\r\nauto_save_backup=1\r\nsave_at_generation=0\r\npromptSyncOnClose=0\r\n"
                    "KelvoParamsPath=/srv/kelvo/\r\n"
                    "[Main]\r\nUser=" + w("Иванов И.И.") + "\r\nKelvo_path=" + w("/srv/Экспорт") + "\r\nlast_TopRow=42\r\n"
                    "ReportFolder=" + w("/srv/Отчёты") + "\r\n"
                    "[Vost]\r\nColWidth0=10\r\nColWidth3=300\r\nColWidth13=wide\r\n"
                    "[ChooseText]\r\nColWidth1=111\r\nColWidth5=55\r\n"
                    "[RecentProfiles]\r\nProfile0=/nowhere/a.xml\r\nProfileRel0=" + w("Профили\\Привод.xml") + "\r\n");

    Settings expected;
    expected.progLanguage = progLanguageRussian;
    expected.vendorToken = "5C3E91D7";
    expected.lastProfOpen = true;
    expected.rememberLastNum = 5;
    expected.xmlProgPath = "/usr/bin/xmlmarker";
    expected.textReservCnt = 20;
    expected.setReservCnt = 3;
    expected.profAutoSave = true;
    expected.autoSavePeriod = 60;
    expected.autoSaveBackup = true;
    expected.saveAtGeneration = false;
    expected.promptSyncOnClose = false;
    expected.kelvoParamsPath = "/srv/kelvo/";
    expected.user = w("Иванов И.И.");
    expected.kelvoPath = "/srv/Экспорт";  // paths as the file system names them
    expected.lastTopRow = 42;
    expected.reportFolder = "/srv/Отчёты";
    expected.profColumnWidths[0] = 10;
    expected.profColumnWidths[3] = 300;
    expected.chooseTextColumnWidths[1] = 111;
    expected.chooseTextColumnWidths[5] = 55;
    expected.recentProfiles = {{"Профили\\Привод.xml", pathText(program.path() / "Профили" / "Привод.xml")}};
    EXPECT_EQ(readSettings(iniFile, progLanguageEnglish), expected);
}

TEST_F(SettingsFile, LanguageOtherThanRussianOrEnglishGivesTheLocaleDefault) {
    for (const char* value : {"2", "-1", "ru", ""}) {
        SCOPED_TRACE(value);
        test::writeFile(iniFile, std::string("[Options]\r\nProgLanguage=") + value + "\r\n");
        EXPECT_EQ(readSettings(iniFile, progLanguageEnglish).progLanguage, progLanguageEnglish);
        EXPECT_EQ(readSettings(iniFile, progLanguageRussian).progLanguage, progLanguageRussian);
    }
}

TEST_F(SettingsFile, WrittenSettingsReadBackTheSame) {
    Settings settings;
    settings.progLanguage = progLanguageEnglish;
    settings.vendorToken = "0000ABCD";
    settings.lastProfOpen = true;
    settings.rememberLastNum = 3;
    settings.xmlProgPath = "/opt/Редактор/xml";
    settings.textReservCnt = 100;
    settings.setReservCnt = 5;
    settings.profAutoSave = true;
    settings.autoSavePeriod = 1800;
    settings.autoSaveBackup = true;
    settings.saveAtGeneration = false;
    settings.promptSyncOnClose = false;
    settings.kelvoParamsPath = "/srv/kelvo/";
    settings.user = w("Пётр Ёлкин");
    settings.kelvoPath = "/srv/export";
    settings.lastTopRow = 250;
    settings.reportFolder = "/home/me/Отчёты";
    settings.profColumnWidths = {1, 2, 3, 0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    profile("a.xml");
    profile("Профили/б.xml");
    settings.recentProfiles = {{"Профили/б.xml", pathText(program.path() / "Профили" / "б.xml")},
                               {"a.xml", pathText(program.path() / "a.xml")}};

    ASSERT_EQ(writeSettings(iniFile, settings), "");
    EXPECT_EQ(readSettings(iniFile, progLanguageRussian), settings);

    const std::string bytes = test::readFile(iniFile);
    EXPECT_NE(bytes.find("User=" + w("Пётр Ёлкин") + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("XMLProgPath=" + w("/opt/Редактор/xml") + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("ProgLanguage=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Last_prof_open=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("save_at_generation=0\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("[ChooseText]"), std::string::npos);
    for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
        ASSERT_EQ(bytes[at - 1], '\r') << "line end at " << at;
}

TEST_F(SettingsFile, WritingWhatWasReadIsAFixedPoint) {
    // Inputs found by the fuzz target of the settings file.
    struct Row { const char* name; std::string input; };
    const Row rows[] = {
        {"section line without its bracket", "[O\ne="},
        {"empty section name", "[]"},
        {"byte-order mark before an unclosed section", "\xEF\xBB\xBF[=\nU="},
        {"comment of the first section", "\n;\n[/]"},
        {"comment after a left-out line", "[\r;\rd="},
        {"comment after a malformed line", "s\n;\nh="},
        {"key named with the byte-order mark", "\n\xEF\xBB\xBF="},
        {"comment of a nameless section", ";\r\\\n;\n[]\n]="},
        {"comment with a blank line inside", "\n;\n\n;\n[c]"},
        {"recent entry named by its relative path alone", "[RecentProfiles]\nProfileRel1=Tabrin4.INI"},
        {"two byte-order marks before a comment", "\xEF\xBB\xBF\xEF\xBB\xBF;; kept\r\n[\x88Opt]\rorH"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::writeFile(iniFile, row.input);
        const Settings read = readSettings(iniFile, progLanguageRussian);
        ASSERT_EQ(writeSettings(iniFile, read), "");
        const std::string first = test::readFile(iniFile);
        const Settings reread = readSettings(iniFile, progLanguageRussian);
        EXPECT_EQ(reread, read);
        ASSERT_EQ(writeSettings(iniFile, reread), "");
        EXPECT_EQ(test::readFile(iniFile), first);
    }
}

TEST_F(SettingsFile, RecentProfilesBelowRememberLastNumThatStillExist) {
    profile("Profiles\\kept.xml");
    const fs::path moved = profile("Elsewhere\\moved.xml");
    profile("Profiles\\beyond.xml");
    fs::create_directory(program.path() / "Folder");
    test::writeFile(iniFile, "[Options]\r\nRememberLastNum=4\r\n[RecentProfiles]\r\n"
                             "Profile0=/nowhere/kept.xml\r\nProfileRel0=Profiles\\kept.xml\r\n"
                             "Profile1=" + pathText(moved) + "\r\nProfileRel1=Old\\moved.xml\r\n"
                             "Profile2=/nowhere/gone.xml\r\nProfileRel2=Profiles\\gone.xml\r\n"
                             "ProfileRel3=Folder\r\n"
                             "ProfileRel4=Profiles\\beyond.xml\r\n");
    const std::vector<TPathRelAbs> expected = {
        {"Profiles\\kept.xml", pathText(program.path() / "Profiles" / "kept.xml")},
        {"Elsewhere/moved.xml", pathText(moved)},
    };
    EXPECT_EQ(readSettings(iniFile, progLanguageRussian).recentProfiles, expected);
}

TEST_F(SettingsFile, WritingKeepsUnknownKeysLeftoverProfilesAndTheTextPickerWidths) {
    test::writeFile(iniFile, "[RecentProfiles]\r\nProfile0=/old/0.xml\r\nProfileRel0=0.xml\r\n"
                             "Profile1=/old/1.xml\r\nProfileRel1=1.xml\r\nProfile2=/old/2.xml\r\n"
                             "[ChooseText]\r\nColWidth1=500\r\n"
                             "[Extra]\r\nKey=" + w("своё") + "\r\n");
    Settings settings;
    profile("new.xml");
    settings.recentProfiles = {{"new.xml", pathText(program.path() / "new.xml")}};
    ASSERT_EQ(writeSettings(iniFile, settings), "");

    const std::string bytes = test::readFile(iniFile);
    for (const std::string& line : {"Profile0=" + pathText(program.path() / "new.xml"), std::string("ProfileRel0=new.xml"),
                                    std::string("Profile1=/old/1.xml"), std::string("ProfileRel1=1.xml"),
                                    std::string("Profile2=/old/2.xml"), std::string("ColWidth1=500"), "Key=" + w("своё")}) {
        SCOPED_TRACE(line);
        EXPECT_NE(bytes.find(line + "\r\n"), std::string::npos);
    }
    EXPECT_EQ(bytes.find("/old/0.xml"), std::string::npos);
}

// The file is Windows-1251: a path it cannot hold is not written in a form that names another file.
TEST_F(SettingsFile, PathsTheCodePageCannotHoldAreNotWritten) {
    test::writeFile(iniFile, "[Options]\r\nXMLProgPath=/usr/bin/xmlmarker\r\n");
    const fs::path jorg = program.path() / "Jörg";
    profile("a.xml");
    profile("Профили/б.xml");
    Settings settings;
    settings.xmlProgPath = pathText(jorg / "editor");
    settings.kelvoPath = pathText(jorg);
    settings.recentProfiles = {
        {"Jörg/c.xml", pathText(jorg / "c.xml")},                        // left out
        {"a.xml", pathText(program.path() / "a.xml")},                    // both paths written
        {"Профили/б.xml", pathText(jorg / ".." / "Профили" / "б.xml")},  // the relative path only
    };
    ASSERT_EQ(writeSettings(iniFile, settings), "");

    const std::string bytes = test::readFile(iniFile);
    EXPECT_EQ(bytes.find('?'), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("XMLProgPath=/usr/bin/xmlmarker\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("Kelvo_path"), std::string::npos);
    EXPECT_NE(bytes.find("Profile1=\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("Profile2"), std::string::npos);
    const std::vector<TPathRelAbs> expected = {
        {"a.xml", pathText(program.path() / "a.xml")},
        {"Профили/б.xml", pathText(program.path() / "Профили" / "б.xml")},
    };
    EXPECT_EQ(readSettings(iniFile, progLanguageRussian).recentProfiles, expected);
}

TEST_F(SettingsFile, TextPickerWidthsAreWrittenOnTheirOwn) {
    test::writeFile(iniFile, "[Main]\r\nUser=" + w("Иванов") + "\r\n[ChooseText]\r\nColWidth0=1\r\n");
    const ChooseTextColumnWidths widths = {40, 300, 300, 90, 150, 80};
    ASSERT_EQ(writeChooseTextColumnWidths(iniFile, widths), "");
    const Settings settings = readSettings(iniFile, progLanguageRussian);
    EXPECT_EQ(settings.chooseTextColumnWidths, widths);
    EXPECT_EQ(settings.user, w("Иванов"));
    EXPECT_EQ(test::readFile(iniFile).find("[Options]"), std::string::npos);
}

TEST_F(SettingsFile, FailedWritesAreReportedAndChangeNothing) {
    EXPECT_NE(writeSettings(program.path() / "Missing" / "Tabrin4.INI", Settings()), "");
    EXPECT_FALSE(fs::exists(program.path() / "Missing"));

    fs::create_directory(iniFile);
    EXPECT_NE(writeSettings(iniFile, Settings()), "");
    EXPECT_NE(writeChooseTextColumnWidths(iniFile, Settings().chooseTextColumnWidths), "");
    EXPECT_TRUE(fs::is_directory(iniFile));
}

TEST_F(SettingsFile, SwitchFromEnglishToRussianShowsBothNameColumnsAtTheNextStart) {
    const Settings fresh = readSettings(iniFile, progLanguageEnglish);
    ProfColumnWidths shown = shownProfColumnWidths(fresh.profColumnWidths, fresh.englishInterface());
    ASSERT_EQ(shown[profRussianNameColumn], 0);

    Settings closing = fresh;
    closing.progLanguage = progLanguageRussian;
    closing.profColumnWidths = storedProfColumnWidths(shown, fresh.englishInterface(), closing.englishInterface());
    ASSERT_EQ(writeSettings(iniFile, closing), "");

    const Settings restarted = readSettings(iniFile, progLanguageEnglish);
    shown = shownProfColumnWidths(restarted.profColumnWidths, restarted.englishInterface());
    const int half = (fresh.profColumnWidths[profRussianNameColumn] + fresh.profColumnWidths[profEnglishNameColumn]) / 2;
    EXPECT_EQ(shown[profRussianNameColumn], half);
    EXPECT_EQ(shown[profEnglishNameColumn], half);
}

}  // namespace
}  // namespace tabrin::app
