// Path texts, paths kept relative and absolute, names of profile copies and the program folder.
#include <gtest/gtest.h>

#include "app/paths.h"
#include "support/scopedenvironment.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::app {
namespace {

namespace fs = std::filesystem;
using test::w;

TEST(Paths, NativePathAndPathTextKeepTheNamesAndTakeBothSeparators) {
    EXPECT_EQ(nativePath("Профили\\Привод 1.xml"), fs::path("Профили/Привод 1.xml"));
    EXPECT_EQ(nativePath("/home/Jörg/b.xml"), fs::path("/home/Jörg/b.xml"));
    EXPECT_EQ(pathText(fs::path("/home/Jörg/ПЧ.xml")), "/home/Jörg/ПЧ.xml");
}

// Only a path that goes into a Windows-1251 file is converted.
TEST(Paths, StoredAndShownForms) {
    EXPECT_EQ(pathFromStored(w("..\\Вывод\\")), "..\\Вывод\\");
    EXPECT_EQ(storedPath("../Вывод/"), w("../Вывод/"));
    EXPECT_EQ(storedPath("D:\\Out"), "D:\\Out");
    EXPECT_EQ(storedPath("/home/Jörg"), std::nullopt);
    EXPECT_EQ(storedPath("\xFF"), std::nullopt);  // no UTF-8 at all
    EXPECT_EQ(shownPath("/home/Jörg/Вывод"), w("/home/J?rg/Вывод"));
}

TEST(Paths, AbsolutePathTexts) {
    struct Row { const char* name; const char* path; bool absolute; };
    const Row rows[] = {
        {"empty", "", false},
        {"from the root", "/home/a.xml", true},
        {"drive and backslash", "D:\\Profiles\\a.xml", true},
        {"drive and slash", "c:/a.xml", true},
        {"single letter", "a", false},
        {"relative with backslashes", "Out\\vost.c", false},
        {"leading backslash", "\\Out\\vost.c", false},
        {"dot", "./a.xml", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(isAbsolutePathText(row.path), row.absolute);
    }
}

TEST(Paths, ResolveAgainstTheFolderOfABase) {
    struct Row { const char* name; std::string base; std::string path; std::string expected; };
    const Row rows[] = {
        {"file base, backslashes", "/opt/tabrin/profiles/drive.xml", "Out\\vost.c", "/opt/tabrin/profiles/Out/vost.c"},
        {"parent folder, trailing separator kept", "/opt/tabrin/profiles/drive.xml", "..\\Log\\", "/opt/tabrin/Log/"},
        {"folder base", "/opt/tabrin/", "a.xml", "/opt/tabrin/a.xml"},
        {"folder base in backslashes", "/opt/tabrin\\profiles\\", "a.xml", "/opt/tabrin/profiles/a.xml"},
        {"leading backslash stays in the folder", "/opt/tabrin/drive.xml", "\\a.xml", "/opt/tabrin/a.xml"},
        {"single character", "/opt/tabrin/drive.xml", "a", "/opt/tabrin/a"},
        {"Cyrillic", w("/opt/Табрин/привод.xml"), w("Вывод\\vost.c"), w("/opt/Табрин/Вывод/vost.c")},
        {"empty path", "/opt/tabrin/drive.xml", "", ""},
        {"absolute path", "/opt/tabrin/drive.xml", "/srv/x/../a.xml", "/srv/x/../a.xml"},
        {"drive-letter path", "/opt/tabrin/drive.xml", "D:\\Out\\", "D:\\Out\\"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(resolve(row.base, row.path), row.expected);
    }
}

TEST(Paths, ResolveInFolderWithOrWithoutTrailingSeparator) {
    for (const char* folder : {"/opt/tabrin", "/opt/tabrin/", "/opt/tabrin\\"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(resolveInFolder(folder, "Profiles\\a.xml"), "/opt/tabrin/Profiles/a.xml");
    }
}

class ResolvePair : public ::testing::Test {
protected:
    ResolvePair() {
        test::writeFile(program / "Profiles" / "a.xml", "<root/>");
        test::writeFile(elsewhere, "<root/>");
    }

    test::TempFolder temp;
    const fs::path program = temp.path() / "Tabrin";
    const fs::path elsewhere = temp.path() / "Other" / "b.xml";
};

TEST_F(ResolvePair, RelativePathWinsAndOverwritesTheAbsoluteOne) {
    TPathRelAbs pair{"Profiles\\a.xml", pathText(elsewhere)};
    const std::string expected = pathText(program / "Profiles" / "a.xml");
    EXPECT_EQ(resolvePair(program, pair), expected);
    EXPECT_EQ(pair, (TPathRelAbs{"Profiles\\a.xml", expected}));
}

TEST_F(ResolvePair, ExistingAbsolutePathGetsItsRelativePathRecomputed) {
    for (const char* rel : {"Moved\\a.xml", ""}) {
        SCOPED_TRACE(rel);
        TPathRelAbs pair{rel, pathText(elsewhere)};
        EXPECT_EQ(resolvePair(program, pair), pathText(elsewhere));
        EXPECT_EQ(pair, (TPathRelAbs{"../Other/b.xml", pathText(elsewhere)}));
    }
}

TEST_F(ResolvePair, FolderCountsAsExisting) {
    TPathRelAbs pair{"Profiles", ""};
    EXPECT_EQ(resolvePair(program, pair), pathText(program / "Profiles"));
}

TEST_F(ResolvePair, NothingExistingLeavesThePairUnchanged) {
    const TPathRelAbs rows[] = {
        {"Moved\\a.xml", pathText(temp.path() / "Gone" / "a.xml")},
        {"Moved\\a.xml", "D:\\Profiles\\a.xml"},
        {"", ""},
    };
    for (const TPathRelAbs& row : rows) {
        SCOPED_TRACE(row.rel + " | " + row.abs);
        TPathRelAbs pair = row;
        EXPECT_EQ(resolvePair(program, pair), "");
        EXPECT_EQ(pair, row);
    }
}

TEST(Paths, LogCopyNameTakesTheFirstFreeNumber) {
    struct Row { const char* name; std::vector<std::string> existing; std::string fileName; std::string expected; };
    const Row rows[] = {
        {"first copy", {}, "drive.xml", "drive_1.xml"},
        {"taken numbers skipped", {"drive_1.xml", "drive_2.xml"}, "drive.xml", "drive_3.xml"},
        {"a gap is filled", {"drive_2.xml"}, "drive.xml", "drive_1.xml"},
        {"other names do not count", {"drive_1.XML", "other_1.xml"}, "drive.xml", "drive_1.xml"},
        {"only the first .xml goes", {}, "a.xml.xml", "a.xml_1.xml"},
        {"no extension", {}, "profile", "profile_1.xml"},
        {"Cyrillic", {w("привод_1.xml")}, w("привод.xml"), w("привод_2.xml")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder log;
        for (const std::string& name : row.existing) test::writeFile(log.path() / nativePath(name), "x");
        EXPECT_EQ(logCopyName(log.path(), row.fileName), row.expected);
    }
}

TEST(Paths, ProgramFolderFromTheEnvironmentOrTheExecutable) {
    test::TempFolder home;
    {
        test::ScopedEnvironment tabrinHome("TABRIN_HOME", home.path().c_str());
        EXPECT_EQ(programFolder("/nowhere/tabrin4"), home.path());
    }
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        SCOPED_TRACE(value == nullptr ? "unset" : "empty");
        test::ScopedEnvironment tabrinHome("TABRIN_HOME", value);
        EXPECT_TRUE(fs::is_regular_file(programFolder("/nowhere/tabrin4") / "tabrin_app_tests"));
    }
}

}  // namespace
}  // namespace tabrin::app
