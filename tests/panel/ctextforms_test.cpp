// How texts are written into the C panel files: quotes, enumeration references, literals, packing.
#include <gtest/gtest.h>

#include "panel/ctextforms.h"
#include "support/utf8.h"

namespace tabrin {
namespace {

using test::w;

TEST(CTextForms, QuoteHandling) {
    const struct {
        const char* name;
        const char* text;
        const char* handled;
    } cases[] = {
        {"two quotes", "a\"b\"c", "~Xab~Xc"},
        {"one quote", "a\"b", "~Xab"},
        {"three quotes", "a\"b\"c\"d", "~Xab~Xc~Xd"},
        {"quotes side by side", "\"\"", "~X~X"},
        {"no quote", "Пуск", "Пуск"},
        {"empty", "", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(panel::withQuotesHandled(w(row.text)), w(row.handled));
    }
}

TEST(CTextForms, EnumerationReference) {
    const struct {
        const char* name;
        int set;
        std::string reference;
    } cases[] = {
        {"comma for 12", 12, "~k,"},
        {"double quote for 2", 2, "~k\""},
        {"last of one character", 223, "~k\xFF"},
        {"first of two characters", 224, "~k !"},
        {"two characters for 300", 300, "~kl!"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(panel::enumerationReference(row.set), row.reference);
    }
}

TEST(CTextForms, StringLiteralEscapesQuotesAndBackslashes) {
    EXPECT_EQ(panel::stringLiteral(w("Скорость") + panel::enumerationReference(2)), w("\"Скорость~k\\\"\""));
    // Enumeration 60 refers by a backslash, which must not escape the closing quote.
    EXPECT_EQ(panel::stringLiteral("a" + panel::enumerationReference(60)), "\"a~k\\\\\"");
    EXPECT_EQ(panel::stringLiteral(""), "\"\"");
}

TEST(CTextForms, PackedWords) {
    const struct {
        const char* name;
        std::string bytes;
        const char* words;
    } cases[] = {
        {"even length", "AB", "16961,"},
        {"odd length keeps the last byte alone", "ABC", "16961,67,"},
        {"bytes above 127 are unsigned", w("Яя"), "65503,"},
        {"reference with a double quote", "~k\"", "27518,34,"},
        {"empty", "", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(panel::packedWords(row.bytes), row.words);
    }
}

}  // namespace
}  // namespace tabrin
