// Default and limit texts turned into the C expressions of the format table.
#include <gtest/gtest.h>

#include "generators/formatword.h"
#include "generators/valuetext.h"
#include "generatorfixture.h"

namespace tabrin::generators {
namespace {

using test::Obj;

TEST(ValueText, SuffixHexToC) {
    const std::pair<const char*, const char*> rows[] = {
        {"0FFh", "0x0FF"}, {"1Ah", "0x1A"},   {"FFh", "FFh"},     {"12", "12"},
        {"0x1F", "0x1F"},  {"SPEED", "SPEED"}, {"", ""},          {"1AH", "1AH"},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(suffixHexToC(text), expected);
    }
}

TEST(ValueText, IntegerValueAcceptsDecimalAndBothHexForms) {
    const std::pair<const char*, std::optional<std::int64_t>> rows[] = {
        {"-5", -5},         {"+7", 7},         {"$1F", 31},           {"0x1F", 31},          {"010", 10},
        {"4294967295", 4294967295}, {"1Fh", {}}, {"1.5", {}},          {"", {}},              {"-", {}},
        {"4294967296", {}}, {"0x", {}},        {" 5", {}},            {"SPEED_NOM", {}},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(integerValue(text), expected);
    }
}

struct PreparedRow {
    const char* name;
    model::DictObject object;
    ValueTexts expected;
};

TEST(ValueText, PreparedTextsAndEffectiveWord) {
    const PreparedRow rows[] = {
        {"U32 without limits: comment cut, hex converted, no-range mark",
         Obj("2000h", "01h").access("Editable").standard("32").values("1000h;rpm"), {"0x1000", "", "", 0x4C80}},
        {"U32 with limits keeps a max that starts with a letter",
         Obj("2000h", "01h").access("Editable").standard("32").values("1000h", "0", "FFFFh"),
         {"0x1000", "0", "FFFFh", 0x4C00}},
        {"bit field packs default and maximum",
         Obj("2000h", "01h").access("Protected").bits(0, 4).values("3", "", "0Fh"), {"3843", "0", "0x0F", 0xA240}},
        {"bit field default that is no number counts 0",
         Obj("2000h", "01h").access("Editable").bits(0, 4).values("X", "0", "2"), {"512", "0", "2", 0x6240}},
        {"float number becomes its bits; empty limits become 0",
         Obj("2000h", "01h").access("Editable").floating().values("1.5"), {"1069547520", "0", "0", 0x7000}},
        {"negative float", Obj("2000h", "01h").access("Editable").floating().values("-1", "-2.5", "1e3"),
         {"-1082130432", "-1071644672", "1148846080", 0x7000}},
        {"float constant stays", Obj("2000h", "01h").access("Editable").floating().values("SPEED_NOM"),
         {"SPEED_NOM", "0", "0", 0x7000}},
        {"U16 with range", Obj("2000h", "01h").access("Editable").standard("16").values("5", "0", "100"),
         {"5", "0", "100", 0x4A00}},
        {"U16 without range", Obj("2000h", "01h").access("Editable").standard("16").values("5"), {"5", "", "", 0x4A80}},
        {"one limit set: the other becomes 0",
         Obj("2000h", "01h").access("Editable").standard("16").values("5", "", "100;max"), {"5", "0", "100", 0x4A00}},
        {"empty default is 0", Obj("2000h", "01h").access("Editable").standard("8").values(""), {"0", "", "", 0x4880}},
        {"a minimum that is only a comment leaves no range",
         Obj("2000h", "01h").access("Editable").standard("16").values("1", ";none", "9"), {"1", "", "9", 0x4A80}},
        {"IQ32 with empty limits writes them as 0", Obj("2000h", "01h").access("Editable").q("32").values("7"),
         {"7", "0", "0", 0x5400}},
    };
    for (const PreparedRow& row : rows) {
        SCOPED_TRACE(row.name);
        const ValueTexts texts = prepareValueText(row.object);
        EXPECT_EQ(texts.defaultValue, row.expected.defaultValue);
        EXPECT_EQ(texts.min, row.expected.min);
        EXPECT_EQ(texts.max, row.expected.max);
        EXPECT_EQ(texts.formatWord, row.expected.formatWord);
    }
}

TEST(ValueText, StoredTextsKeepWhatTheAssemblerEvaluates) {
    const ValueTexts texts =
        storedValueTexts(Obj("2000h", "01h").access("Editable").floating().values("", "0FFh;x", ""));
    EXPECT_EQ(texts, (ValueTexts{"0", "0FFh;x", "0", 0x7000}));
}

}  // namespace
}  // namespace tabrin::generators
