// Range, default and units texts of every kind of format word.
#include <gtest/gtest.h>

#include "bases/setbase.h"
#include "bases/textbase.h"
#include "model/dictobject.h"
#include "report/valuetexts.h"
#include "support/utf8.h"

namespace tabrin::report {
namespace {

using test::w;

constexpr int kEditable = 0x4000;
constexpr int kRootOfThree = 3;

enum Visualization { Text = 0, Base2 = 1, Decimal = 2, Hexadecimal = 3 };
enum QKind { I16 = 0, I32 = 1, U16 = 2, U32 = 3 };

int bitField(Visualization visualization, int length) { return kEditable | 0x2000 | visualization << 8 | length << 4; }
int standardU16() { return kEditable | 0x0A00; }
int qNumber(QKind kind, int coefficient, int q) { return kEditable | 0x1000 | kind << 10 | coefficient << 5 | q; }
int relativeFloat(int coefficient) { return kEditable | 0x3800 | coefficient; }
int absoluteFloat(int prefix, int unit) { return kEditable | 0x3000 | prefix << 6 | unit; }
int viewable(int word) { return word & ~0xC000; }

// Coefficients 0..3 of the scale table; a coefficient 4 or more is missing.
enum Coefficient { Volts540 = 0, Percent100 = 1, AmpsOfOne = 2, HertzWithoutBase = 3, Missing = 5 };

struct Case {
    const char* name;
    int word;
    std::string defaultValue;
    std::string min;
    std::string max;
    std::string range;        // UTF-8
    std::string defaultText;  // UTF-8
    std::string units = "";   // UTF-8
};

class ValueTextsTest : public ::testing::Test {
protected:
    ValueTextsTest() {
        const auto item = [](const std::string& longRussian) {
            return bases::SetTextItem::make(longRussian, "", "", "");
        };
        m_sets.elements().push_back({"6", {item(""), item("~m"), item(w("м")), item(w("к"))}, {}, {}});
        m_sets.elements().push_back({"7", {item(""), item(w("В")), item(w("А"))}, {}, {}});
        m_sets.elements().push_back({"13",
                                     {bases::SetTextItem::make(w("Скалярный"), "Scalar", w("Скал."), ""),
                                      bases::SetTextItem::make(w("Векторный"), "Vector", "", ""),
                                      bases::SetTextItem::make(w("Момент"), "Torque", "", "")},
                                     {},
                                     {}});
        m_texts.elements().push_back({"29", "29", "", "13", "", "", ""});
        m_texts.elements().push_back({"30", "30", "", "0", "", "", ""});
        m_texts.elements().push_back({"31", "31", "", "99", "", "", ""});
    }

    std::optional<ValueTexts> texts(int word, const std::string& defaultValue, const std::string& min = "",
                                    const std::string& max = "", const std::string& textID = "30",
                                    app::Language language = app::Language::Russian) const {
        model::DictObject object;
        object.format = std::to_string(word);
        object.defaultValue = defaultValue;
        object.min = min;
        object.max = max;
        object.textID = textID;
        return valueTexts(object, {m_scales, m_texts, m_sets, language, w("наблюдаемый")});
    }

    void expectCases(std::initializer_list<Case> cases) const {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const std::optional<ValueTexts> result = texts(c.word, w(c.defaultValue), w(c.min), w(c.max));
            ASSERT_TRUE(result);
            EXPECT_EQ(cp1251::toUtf8(result->range), c.range);
            EXPECT_EQ(cp1251::toUtf8(result->defaultText), c.defaultText);
            EXPECT_EQ(cp1251::toUtf8(result->units), c.units);
        }
    }

    const std::vector<ScaleTexts> m_scales = {{"540", w("В")}, {"100.0", "%"}, {"1", w("А")}, {"", w("Гц")}};
    bases::TextBase m_texts;
    bases::SetBase m_sets;
};

TEST_F(ValueTextsTest, BitFieldsByVisualization) {
    expectCases({
        {"decimal, 4 bits", bitField(Decimal, 4), "5", "", "", "0 - 15", "5"},
        {"decimal without default", bitField(Decimal, 4), "", "", "", "0 - 15", ""},
        {"decimal default not a number", bitField(Decimal, 4), "x", "", "", "0 - 15", "*"},
        {"base 2 padded to the length", bitField(Base2, 3), "1", "", "", "000b - 111b", "001b"},
        {"base 2 without default", bitField(Base2, 3), "", "", "", "000b - 111b", "*"},
        {"hexadecimal", bitField(Hexadecimal, 4), "10", "", "", "0h - Fh", "Ah"},
        {"hexadecimal padded to the digits of the length", bitField(Hexadecimal, 9), "10", "", "", "0h - 1FFh", "00Ah"},
        {"hexadecimal of no bits", bitField(Hexadecimal, 0), "0", "", "", "0h - 0h", "0h"},
        {"hexadecimal default not a number", bitField(Hexadecimal, 4), "", "", "", "0h - Fh", "*"},
        {"text without a bound enumeration", bitField(Text, 2), "1", "", "", "0 - 3", ""},
    });
}

TEST_F(ValueTextsTest, BitFieldShownAsTextUsesTheEnumerationOfItsText) {
    struct TextCase {
        const char* name;
        std::string textID;
        std::string defaultValue;
        app::Language language;
        std::string range;
        std::string defaultText;
    };
    const TextCase cases[] = {
        {"items joined, default names an item", "29", "1", app::Language::Russian, "Скалярный\\Векторный\\Момент",
         "Векторный"},
        {"long texts by language", "29", "2", app::Language::English, "Scalar\\Vector\\Torque", "Torque"},
        {"empty default names none", "29", "", app::Language::Russian, "Скалярный\\Векторный\\Момент", ""},
        {"negative default names none", "29", "-1", app::Language::Russian, "Скалярный\\Векторный\\Момент", ""},
        {"default beyond the items names none", "29", "7", app::Language::Russian, "Скалярный\\Векторный\\Момент", ""},
        {"enumeration of the text missing", "31", "1", app::Language::Russian, "0 - 3", ""},
        {"text missing", "12345", "1", app::Language::Russian, "0 - 3", ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ValueTexts> result = texts(bitField(Text, 2), c.defaultValue, "", "", c.textID, c.language);
        ASSERT_TRUE(result);
        EXPECT_EQ(cp1251::toUtf8(result->range), c.range);
        EXPECT_EQ(cp1251::toUtf8(result->defaultText), c.defaultText);
    }
}

TEST_F(ValueTextsTest, StandardNumbersAsWritten) {
    expectCases({
        {"limits and default", standardU16(), "50", "0", "100", "0 - 100", "50"},
        {"missing texts", standardU16(), "", "", "", "? - ?", "?"},
        {"default not an integer", standardU16(), "1.5", "0", "", "0 - ?", "*"},
        {"hexadecimal default kept as written", standardU16(), "0x10", "", "", "? - ?", "0x10"},
    });
}

TEST_F(ValueTextsTest, QNumbersInUnitsOfTheirCoefficient) {
    expectCases({
        {"relative units times the base value", qNumber(I16, Volts540, 12), "2048", "0", "4096", "0 - 540", "0.5·540",
         "В"},
        {"minus one is the negative base value", qNumber(I16, Volts540, 12), "0", "-4096", "", "-540 - 0", "0", "В"},
        {"_IQ(x) stands for x in Q24", qNumber(I32, Volts540, 24), "_IQ(0.5)", "-_IQ(0.25)", "_IQ(1)",
         "-0.25·540 - 540", "0.5·540", "В"},
        {"_IQ of a name shows the name", qNumber(I32, Volts540, 24), "_IQ(SPEED)", "-_IQ(SPEED)", "", "-SPEED - 0",
         "SPEED", "В"},
        {"other expressions show as written", qNumber(I32, Volts540, 24), "2*_IQ(0.5)", "", "", "0 - 0", "2*_IQ(0.5)",
         "В"},
        {"unreadable default", qNumber(I16, Volts540, 12), "abc", "abc", "", "0 - 0", "*", "В"},
        {"U16 makes negative raw values unsigned", qNumber(U16, AmpsOfOne, 0), "-1", "", "", "0 - 0", "65535", "А"},
        {"U32 makes negative raw values unsigned", qNumber(U32, AmpsOfOne, 0), "-1", "", "", "0 - 0", "4294967295",
         "А"},
        {"I16 keeps them signed", qNumber(I16, AmpsOfOne, 0), "-1", "", "", "0 - 0", "-1", "А"},
        {"texts are normalised first", qNumber(I16, AmpsOfOne, 0), "2.000", "", "", "0 - 0", "2", "А"},
        {"a base of 1 multiplies nothing", qNumber(I16, AmpsOfOne, 1), "1", "2", "", "1 - 0", "0.5", "А"},
        {"an empty base multiplies nothing", qNumber(I16, HertzWithoutBase, 1), "1", "", "", "0 - 0", "0.5", "Гц"},
        {"a missing coefficient has no units", qNumber(I16, Missing, 1), "1", "", "", "0 - 0", "0.5", ""},
    });
}

TEST_F(ValueTextsTest, PercentOfABaseOfHundredIsShownInPercent) {
    expectCases({
        {"Q14: 16384 is 100 %", qNumber(I16, Percent100, 14), "8192", "0", "16384", "0 - 100", "50", "%"},
        {"Q0", qNumber(I16, Percent100, 0), "1", "", "", "0 - 0", "100", "%"},
        {"Q1", qNumber(I16, Percent100, 1), "1", "", "", "0 - 0", "50", "%"},
        {"unsigned raw value", qNumber(U16, Percent100, 14), "-16384", "", "", "0 - 0", "300", "%"},
    });
}

TEST_F(ValueTextsTest, Floats) {
    expectCases({
        {"relative, times the base value", relativeFloat(Volts540), "1", "0.1", "-1", "0.1·540 - -540", "540", "В"},
        {"relative, empty is zero", relativeFloat(Volts540), "", "", "1.23456", "0 - 1.23·540", "0", "В"},
        {"relative, missing coefficient", relativeFloat(Missing), "2", "", "", "0 - 0", "2", ""},
        {"absolute, prefix and unit from the word", absoluteFloat(3, 1), "12.3456", "0.0123", "", "0.012 - ?", "12.35",
         "кВ"},
        {"absolute, missing default", absoluteFloat(0, 2), "", "", "", "? - ?", "?", "А"},
        {"absolute, prefix item beyond the enumeration", absoluteFloat(7, 9), "1", "", "", "? - ?", "1", ""},
    });
}

TEST_F(ValueTextsTest, ViewableObjectsShowNoRangeButKeepTheirUnits) {
    expectCases({
        {"Q number", viewable(qNumber(I16, Volts540, 12)), "2048", "0", "4096", "наблюдаемый", "", "В"},
        {"bit field", viewable(bitField(Decimal, 4)), "5", "", "", "наблюдаемый", ""},
        {"the smallest standard number", 0x0800, "1", "", "", "наблюдаемый", ""},
        {"an unknown type with access", kEditable, "1", "0", "1", "", ""},
    });
}

TEST_F(ValueTextsTest, RootsAndWordsBelow0x800GetNoRow) {
    for (const int word : {0, kRootOfThree, 0x07FF}) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(texts(word, "0"));
    }
    model::DictObject unreadable;
    unreadable.format = "Root";
    EXPECT_FALSE(valueTexts(unreadable, {m_scales, m_texts, m_sets, app::Language::Russian, ""}));
}

}  // namespace
}  // namespace tabrin::report
