// The panel character codes of tables А and Ш, and the free-text conversion lines.
#include <gtest/gtest.h>

#include "panel/panelencoding.h"
#include "panel/panelwords.h"
#include "support/utf8.h"

namespace tabrin {
namespace {

using panel::PanelTable;
using test::w;

struct CodeCase {
    const char* name;
    const char* text;  // UTF-8
    int codeA;
    int codeSh;
};

TEST(PanelEncoding, CodeOfTheFirstPanelCharacter) {
    const CodeCase cases[] = {
        {"digit", "7", 7, 7},
        {"Latin capital", "Z", 35, 35},
        {"Latin small", "a", 36, 36},
        {"Cyrillic first capital", "А", 62, 62},
        {"capital Yo between E and Zh", "Ё", 68, 68},
        {"capital Shcha", "Щ", 88, 88},
        {"soft sign before Yery", "Ь", 89, 89},
        {"Yery", "Ы", 90, 90},
        {"hard sign after Yery", "Ъ", 91, 91},
        {"last capital", "Я", 94, 94},
        {"small Yo", "ё", 101, 101},
        {"small soft sign", "ь", 122, 122},
        {"small hard sign", "ъ", 124, 124},
        {"last small", "я", 127, 127},
        {"space", " ", 128, 128},
        {"double quote", "\"", 130, 130},
        {"ampersand", "&", 134, 134},
        {"single quote is unknown", "'", 128, 128},
        {"opening parenthesis after the gap", "(", 136, 136},
        {"slash", "/", 143, 143},
        {"colon", ":", 144, 144},
        {"at sign", "@", 150, 150},
        {"backslash", "\\", 152, 152},
        {"backquote", "`", 156, 156},
        {"closing brace", "}", 159, 159},
        {"no case folding into Cyrillic", "c", 38, 38},
        {"character outside the table", "№", 128, 128},
        {"only the first character counts", "Ab", 10, 10},
        {"tilde escape", "~~", 160, 160},
        {"micro escape", "~m", 183, 183},
        {"escape of table А only", "~D", 165, 128},
        {"last escape of table А", "~V", 207, 128},
        {"escape neither table knows", "~x", 128, 128},
        {"tilde ending the text", "~", 128, 128},
        {"empty text gives the end code", "", 255, 128},
    };
    for (const CodeCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(panel::panelCode(w(row.text), PanelTable::A), row.codeA);
        EXPECT_EQ(panel::panelCode(w(row.text), PanelTable::Sh), row.codeSh);
    }
}

TEST(PanelEncoding, PanelCharactersAreSingleCharactersOrEscapes) {
    const struct {
        const char* name;
        const char* text;
        const char* rest;
        int count;
    } cases[] = {
        {"plain character", "Пуск", "уск", 4},
        {"escape", "~mA", "A", 2},
        {"escaped tilde", "~~~", "~", 2},
        {"tilde alone at the end", "~", "", 1},
        {"empty", "", "", 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(panel::withoutFirstPanelCharacter(w(row.text)), w(row.rest));
        EXPECT_EQ(panel::panelCharacterCount(w(row.text)), row.count);
    }
}

TEST(PanelEncoding, FreeTextLines) {
    const struct {
        const char* name;
        const char* text;
        std::vector<std::string> lines;  // UTF-8
    } cases[] = {
        {"two Latin letters", "Ab", {"    .word    37*256+10    ; Ab"}},
        {"Cyrillic word, comment shrinking", "Пуск",
         {"    .word    115*256+78    ; Пуск", "    .word    106*256+113    ; ск"}},
        {"escape counts as one character", "5~m", {"    .word    183*256+5    ; 5~m"}},
        {"odd length ends with the end code", "A", {"    .word    255*256+10    ; A"}},
        {"unknown escape", "~x", {"    .word    255*256+128    ; ~x"}},
        {"empty text", "", {}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> expected;
        for (const std::string& line : row.lines) expected.push_back(w(line));
        EXPECT_EQ(panel::freeTextLines(w(row.text)), expected);
    }
}

TEST(PanelEncoding, FreeTextLinesOfALongTextGrowWithIt) {
    const std::string fortyTwo(42, 'A');
    const std::vector<std::string> lines = panel::freeTextLines(fortyTwo);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "    .word    10*256+10    ; " + std::string(40, 'A') + "...");
    EXPECT_EQ(lines[1], "    .word    10*256+10    ; " + std::string(40, 'A'));

    for (const std::size_t length : {1000u, 16000u}) {
        SCOPED_TRACE(length);
        std::size_t bytes = 0;
        for (const std::string& line : panel::freeTextLines(std::string(length, 'A'))) bytes += line.size();
        EXPECT_LE(bytes, length / 2 * 80);  // one line of at most 80 bytes a word
    }
}

TEST(PanelEncoding, WordsPastTheEndOfTableShUse128) {
    std::string_view rest = "A";
    const panel::PanelWord first = panel::takeWord(rest, PanelTable::Sh);
    EXPECT_EQ(first.line, "    .word    128*256+10    ; A");
    EXPECT_EQ(panel::takeWord(rest, PanelTable::Sh).line, "    .word    128*256+128    ; ");
}

}  // namespace
}  // namespace tabrin
