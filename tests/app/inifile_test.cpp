// INI files of Windows-1251 bytes: reading values, keeping what is unknown, CR LF line ends.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "app/inifile.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::app {
namespace {

using test::w;

TEST(IniFile, ReadsCrLfAndLfFiles) {
    for (const char* lineEnd : {"\r\n", "\n"}) {
        SCOPED_TRACE(lineEnd[0] == '\r' ? "CR LF" : "LF");
        test::TempFolder folder;
        const auto path = folder.path() / "a.ini";
        const std::string text = "[Main]" + std::string(lineEnd) + "User=" + w("Иванов И.И.") + lineEnd + "last_TopRow=12" + lineEnd;
        test::writeFile(path, text);
        IniFile ini;
        ASSERT_TRUE(ini.load(path));
        std::string user;
        int topRow = 0;
        ini.get("Main", "User", user);
        ini.get("Main", "last_TopRow", topRow);
        EXPECT_EQ(user, w("Иванов И.И."));
        EXPECT_EQ(topRow, 12);
    }
}

TEST(IniFile, NumbersAndBooleans) {
    struct Row { const char* name; const char* text; int number; bool flag; };
    const int fallback = 77;
    const Row rows[] = {
        {"decimal", "12", 12, true},
        {"zero", "0", 0, false},
        {"negative", "-3", -3, true},
        {"plus sign", "+4", 4, true},
        {"blanks around", "  5  ", 5, true},
        {"not a number", "yes", fallback, true},
        {"trailing garbage", "12abc", fallback, true},
        {"empty", "", fallback, true},
        {"hexadecimal", "0x10", fallback, true},
        {"beyond int", "99999999999", fallback, true},
    };
    test::TempFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = folder.path() / "a.ini";
        test::writeFile(path, std::string("[Options]\r\nValue=") + row.text + "\r\n");
        IniFile ini;
        ASSERT_TRUE(ini.load(path));
        int number = fallback;
        bool flag = true;
        ini.get("Options", "Value", number);
        ini.get("Options", "Value", flag);
        EXPECT_EQ(number, row.number);
        EXPECT_EQ(flag, row.flag);
    }
}

TEST(IniFile, AbsentKeysKeepTheValueAndNamesIgnoreCase) {
    test::TempFolder folder;
    const auto path = folder.path() / "a.ini";
    test::writeFile(path, "[options]\r\nproglanguage=1\r\nEmpty=\r\n");
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    int language = 0;
    ini.get("Options", "ProgLanguage", language);
    EXPECT_EQ(language, 1);
    std::string text = "kept";
    ini.get("Options", "Missing", text);
    EXPECT_EQ(text, "kept");
    ini.get("Options", "Empty", text);
    EXPECT_EQ(text, "");
}

TEST(IniFile, SavingKeepsWhatItDoesNotKnowAndEndsLinesWithCrLf) {
    test::TempFolder folder;
    const auto path = folder.path() / "a.ini";
    test::writeFile(path, "; written by hand\n[Main]\nUser=old\nOther=" + w("Значение") + "\n[Extra]\nKey=1\n");
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    ini.set("Main", "User", w("Пётр"));
    ini.set("Main", "last_TopRow", 7);
    ini.set("Options", "Last_prof_open", true);
    ini.set("Options", "prof_auto_save", false);
    ASSERT_EQ(ini.save(path), "");

    // Blank lines between sections are the library's choice; the lines that carry text are fixed.
    const std::string bytes = test::readFile(path);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        if (end > start) lines.push_back(bytes.substr(start, end - start));
    const std::vector<std::string> expected = {
        "; written by hand", "[Main]", "User=" + w("Пётр"), "Other=" + w("Значение"), "last_TopRow=7",
        "[Extra]", "Key=1", "[Options]", "Last_prof_open=1", "prof_auto_save=0",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
}

TEST(IniFile, SectionLineWithoutANameOrItsBracketIsLeftOut) {
    test::TempFolder folder;
    const auto path = folder.path() / "a.ini";
    test::writeFile(path, "\xEF\xBB\xBF[Main]\r\n[Broken\r\nUser=x\r\n[ ]\r\n[Vost\rColWidth0=5\r\n");
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    std::string user;
    int width = 0;
    ini.get("Main", "User", user);
    ini.get("Main", "ColWidth0", width);
    EXPECT_EQ(user, "x");
    EXPECT_EQ(width, 5);
    ASSERT_EQ(ini.save(path), "");
    EXPECT_EQ(test::readFile(path), "[Main]\r\nUser=x\r\nColWidth0=5\r\n");
}

TEST(IniFile, UnreadableFileAndFailedSave) {
    test::TempFolder folder;
    const auto directory = folder.path() / "a.ini";
    std::filesystem::create_directory(directory);
    IniFile ini;
    EXPECT_FALSE(ini.load(directory));
    EXPECT_TRUE(ini.load(folder.path() / "missing.ini"));
    ini.set("Main", "User", std::string("a"));
    EXPECT_NE(ini.save(folder.path() / "Missing" / "a.ini"), "");
    EXPECT_NE(ini.save(directory), "");
    EXPECT_TRUE(std::filesystem::is_directory(directory));
}

TEST(IniFile, OnlyRegularFilesOfASettingsFileSizeAreRead) {
    test::TempFolder folder;
    const auto pipe = folder.path() / "pipe.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto zero = folder.path() / "zero.ini";
    std::filesystem::create_symlink("/dev/zero", zero);
    const auto large = folder.path() / "large.ini";
    test::writeFile(large, "[Main]\r\nUser=a\r\n" + std::string(4 * 1024 * 1024, ';'));
    for (const auto& path : {pipe, zero, large}) {
        SCOPED_TRACE(path.filename().string());
        IniFile ini;
        EXPECT_FALSE(ini.load(path));  // at once: a pipe without a writer is not waited for
        std::string user = "unset";
        ini.get("Main", "User", user);
        EXPECT_EQ(user, "unset");
    }
}

}  // namespace
}  // namespace tabrin::app
