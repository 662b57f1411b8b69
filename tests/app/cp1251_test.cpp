// Windows-1251 conversions and byte helpers.
#include <gtest/gtest.h>

#include <optional>

#include "app/cp1251.h"

namespace tabrin::cp1251 {
namespace {

TEST(Cp1251, EveryByteRoundTripsThroughUtf8AndUtf16) {
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        if (byte == 0x98) continue;
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(fromUtf8(toUtf8(one)), one);
        EXPECT_EQ(fromUtf16(toUtf16(one)), one);
    }
}

TEST(Cp1251, KnownCodePoints) {
    struct Row { unsigned char byte; char32_t codePoint; };
    const Row rows[] = {
        {'A', U'A'}, {0xC0, U'А'}, {0xFF, U'я'}, {0xA8, U'Ё'}, {0xB8, U'ё'}, {0x88, U'€'},
        {0xB9, U'№'}, {0x96, U'–'}, {0xA0, 0x00A0}, {0x98, 0xFFFD},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.byte));
        EXPECT_EQ(static_cast<unsigned>(toCodePoint(row.byte)), static_cast<unsigned>(row.codePoint));
    }
}

TEST(Cp1251, UnassignedAndForeignCharactersNeverProduceTheUnassignedByte) {
    EXPECT_EQ(fromUtf8("\xEF\xBF\xBD"), "?");  // U+FFFD
    EXPECT_EQ(fromUtf8("日本"), "??");
    EXPECT_EQ(fromUtf16(u"\xD83D\xDE00"), "?");  // a surrogate pair is one character
    for (char32_t cp = 0; cp < 0x10000; ++cp) ASSERT_NE(static_cast<unsigned char>(fromCodePoint(cp)), 0x98) << static_cast<unsigned>(cp);
}

TEST(Cp1251, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(fromUtf8("a\xC3"), "a?");
    EXPECT_EQ(fromUtf8("\xC0\x80"), "??");  // overlong NUL
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), "???");  // encoded surrogate
}

TEST(Cp1251, FirstCharacterOutsideTheCodePage) {
    struct Row { const char* name; std::string utf8; std::optional<char32_t> outside; };
    const Row rows[] = {
        {"Russian and a question mark", "Пуск? №1 €", std::nullopt},
        {"empty", "", std::nullopt},
        {"Latin letter with diaeresis", "/home/Jörg/Ü", U'ö'},
        {"outside the first plane", "a😀", U'😀'},
        {"malformed", "a\xC3", U'\uFFFD'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(firstCharacterOutside(row.utf8), row.outside);
    }
    EXPECT_EQ(codePointName(U'ö'), "U+00F6");
    EXPECT_EQ(codePointName(U'😀'), "U+1F600");
}

TEST(Cp1251, ExactConversionStopsAtTheFirstCharacterTheCodePageLacks) {
    struct Row {
        const char* name;
        std::string utf8;
        bool complete;
        bool malformed;
        char32_t codePoint;
        std::size_t offset;
    };
    const Row rows[] = {
        {"Russian and punctuation", "Пуск «№1» — €", true, false, 0, 0},
        {"a real question mark", "why?", true, false, 0, 0},
        {"Latin letter with accent", "Caf\xC3\xA9 \xC3\xA9", false, false, 0xE9, 3},
        {"character beyond 16 bits", "a\xF0\x9F\x98\x80", false, false, 0x1F600, 1},
        {"replacement character itself", "\xEF\xBF\xBD", false, false, 0xFFFD, 0},
        {"byte that is no UTF-8", "ab\xCF\xF3", false, true, 0xFFFD, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ExactConversion result = fromUtf8Exactly(row.utf8);
        EXPECT_EQ(result.complete, row.complete);
        EXPECT_EQ(result.malformed, row.malformed);
        EXPECT_EQ(static_cast<unsigned>(result.codePoint), static_cast<unsigned>(row.codePoint));
        EXPECT_EQ(result.offset, row.offset);
        if (row.complete) {
            EXPECT_EQ(result.text, fromUtf8(row.utf8));
        }
    }
}

TEST(Cp1251, Utf16ToUtf8KeepsEveryCharacter) {
    EXPECT_EQ(utf16ToUtf8(u"Café Пуск \xD83D\xDE00"), "Café Пуск \xF0\x9F\x98\x80");
    EXPECT_EQ(utf16ToUtf8(u"a\xD83D" u"b"), "a\xEF\xBF\xBD" "b");  // a lone surrogate
}

TEST(Cp1251, RussianTextBothWays) {
    const std::string bytes = "\xCF\xF3\xF1\xEA";  // Пуск
    EXPECT_EQ(toUtf8(bytes), "Пуск");
    EXPECT_EQ(fromUtf8("Пуск"), bytes);
    EXPECT_EQ(toUtf16(bytes), u"Пуск");
}

TEST(Cp1251, LowerCase) {
    EXPECT_EQ(toUtf8(lower(fromUtf8("ABC xyz ПУСК Ёж ЇЄІЎЂ"))), "abc xyz пуск ёж їєіўђ");
    EXPECT_EQ(lower("-EXPORT-TEXTS \"D:\\Out\""), "-export-texts \"d:\\out\"");
}

TEST(Cp1251, Trim) {
    EXPECT_EQ(trim("  a b\t\r\n"), "a b");
    EXPECT_EQ(trim(" \t "), "");
    EXPECT_EQ(trim(std::string("\0x\0", 3)), "x");
}

}  // namespace
}  // namespace tabrin::cp1251
