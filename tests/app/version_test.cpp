// The version text, the program title and the main window's caption.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "app/version.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::app {
namespace {

using test::w;

TEST(VersionText, KeepsThreePartsOfAFullVersion) {
    struct Row {
        const char* fileVersion;
        const char* expected;
    };
    const Row rows[] = {
        {"7.5.0.0", "v.7.5.0"}, {"10.20.30.40", "v.10.20.30"}, {"1.2.3.4.5", "v.1.2.3"},
        {"7.5.0", "v.7.5.0"},   {"7.5", "v.7.5"},              {"7", "v.7"},
        {"", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fileVersion);
        EXPECT_EQ(versionText(row.fileVersion), row.expected);
    }
}

TEST(ProgramTitle, NamesTheVersionTheProgramWasBuiltAs) {
    // The project version has three parts, all of which are shown.
    EXPECT_EQ(programTitle(), "Tabrin v." TABRIN_VERSION);
}

TEST(WindowTitle, ShowsTheProfileItsModifiedFlagAndTheLog) {
    // The path as the file system names it, whether or not Windows-1251 could hold it.
    const std::string path = "/home/Jörg/Профили/привод.xml";
    const std::string profile = " - Профиль: " + path;
    struct Row {
        const char* name;
        std::string path;
        bool modified;
        bool logOpen;
        std::string afterTitle;
    };
    const Row rows[] = {
        {"nothing open", "", false, false, ""},
        {"the modified flag needs a profile", "", true, false, ""},
        {"log only", "", false, true, " [DEBUG]"},
        {"saved profile", path, false, false, profile},
        {"modified profile with the log", path, true, true, profile + "* [DEBUG]"},
    };
    Translator russian;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(windowTitle(russian, row.path, row.modified, row.logOpen), programTitle() + row.afterTitle);
    }
}

TEST(WindowTitle, TranslatesTheProfileLabel) {
    test::TempFolder folder;
    const std::filesystem::path dictionary = folder.path() / "lang_dict.xml";
    test::writeFile(dictionary, "<_" + std::to_string(textHash(w(" - Профиль: "))) +
                                    " RUS=\" - Профиль: \" ENG=\" - Profile: \" />\n");
    Translator english;
    english.loadDictionary(dictionary, 1);

    EXPECT_EQ(windowTitle(english, "/home/user/drive.xml", true, false),
              programTitle() + " - Profile: /home/user/drive.xml*");
}

}  // namespace
}  // namespace tabrin::app
