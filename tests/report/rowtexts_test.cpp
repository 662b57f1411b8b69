// The texts of a parameter's row: description, name, range cell and ID.SubID.
#include <gtest/gtest.h>

#include "bases/setbase.h"
#include "bases/textbase.h"
#include "model/dictobject.h"
#include "report/rowtexts.h"
#include "support/utf8.h"

namespace tabrin::report {
namespace {

using test::w;

constexpr int kEditableU16 = 0x4A00;
constexpr int kSecretU16 = 0xCA00;
constexpr int kProtectedU16 = 0x8A00;
constexpr int kEditableQ12OfCoefficient0 = 0x4000 | 0x1000 | 12;
constexpr int kEditableTextBitField = 0x4000 | 0x2000 | 2 << 4;

class RowTextsTest : public ::testing::Test {
protected:
    RowTextsTest() {
        m_texts.elements().push_back({"1", "1", "", "40", "", "", ""});
        bases::SetBaseElement manyItems{"40", {}, {}, {}};
        for (int i = 0; i < 60; ++i)
            manyItems.items.push_back(bases::SetTextItem::make("item" + std::to_string(i), "", "", ""));
        m_sets.elements().push_back(manyItems);
    }

    static model::DictObject object(int word) {
        model::DictObject object;
        object.format = std::to_string(word);
        object.index = "2500h";
        object.subindex = "01h";
        object.name = w("Номинальное напряжение");
        object.nameEng = "Rated voltage";
        object.text = w("Uном");
        object.group = "3";
        object.addr = "Motor.Unom";
        object.defaultValue = "1";
        return object;
    }

    RowTextContext context(app::Language language = app::Language::Russian, bool longTexts = false,
                           std::string secretMark = w(" (секретный)")) const {
        return {{m_scales, m_texts, m_sets, language, w("наблюдаемый")}, longTexts, std::move(secretMark)};
    }

    const std::vector<ScaleTexts> m_scales = {{"540", w("В")}};
    bases::TextBase m_texts;
    bases::SetBase m_sets;
};

TEST_F(RowTextsTest, DescriptionFallsBackOnTheNameByLanguage) {
    struct Case {
        const char* name;
        std::string description;
        std::string russianName;
        std::string englishName;
        std::string shortText;
        app::Language language;
        std::string expected;  // UTF-8
    };
    const Case cases[] = {
        {"own description", w("Своё"), w("Имя"), "Name", w("Кор"), app::Language::English, "Своё"},
        {"Russian: long Russian name", "", w("Имя"), "Name", w("Кор"), app::Language::Russian, "Имя"},
        {"Russian: then English", "", "", "Name", w("Кор"), app::Language::Russian, "Name"},
        {"Russian: then short", "", "", "", w("Кор"), app::Language::Russian, "Кор"},
        {"English: long English name", "", w("Имя"), "Name", w("Кор"), app::Language::English, "Name"},
        {"English: then short", "", w("Имя"), "", w("Кор"), app::Language::English, "Кор"},
        {"English: then Russian", "", w("Имя"), "", "", app::Language::English, "Имя"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model::DictObject parameter = object(kEditableU16);
        parameter.description = c.description;
        parameter.name = c.russianName;
        parameter.nameEng = c.englishName;
        parameter.text = c.shortText;
        const std::optional<ReportRow> row = reportRow(parameter, context(c.language));
        ASSERT_TRUE(row);
        EXPECT_EQ(cp1251::toUtf8(row->description), c.expected);
    }
}

TEST_F(RowTextsTest, DescriptionTakesUnitsAndTheSecretMark) {
    struct Case {
        const char* name;
        int word;
        std::string description;
        std::string dataType;
        std::string secretMark;
        std::string expected;  // UTF-8
    };
    const Case cases[] = {
        {"units after the description", kEditableQ12OfCoefficient0, w("Напряжение"), "Editable", "", "Напряжение, В"},
        {"units after the name standing in", kEditableQ12OfCoefficient0, "", "Editable", "",
         "Номинальное напряжение, В"},
        {"secret parameters marked", kSecretU16, w("Пароль"), "Secret", w(" (секретный)"), "Пароль (секретный)"},
        {"mark switched off", kSecretU16, w("Пароль"), "Secret", "", "Пароль"},
        {"protected ones are no secret", kProtectedU16, w("Пароль"), "Protected", w(" (секретный)"), "Пароль"},
        {"units before the mark", kEditableQ12OfCoefficient0 | 0xC000, w("Напряжение"), "Secret", w(" (секретный)"),
         "Напряжение, В (секретный)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model::DictObject parameter = object(c.word);
        parameter.description = c.description;
        parameter.DataType = c.dataType;
        const std::optional<ReportRow> row = reportRow(parameter, context(app::Language::Russian, false, c.secretMark));
        ASSERT_TRUE(row);
        EXPECT_EQ(cp1251::toUtf8(row->description), c.expected);
    }
}

TEST_F(RowTextsTest, UnitsStandAloneWithoutDescriptionOrName) {
    model::DictObject parameter = object(kEditableQ12OfCoefficient0);
    parameter.name = parameter.nameEng = parameter.text = "";
    EXPECT_EQ(cp1251::toUtf8(reportRow(parameter, context())->description), "В");
}

TEST_F(RowTextsTest, NameByLengthAndLanguage) {
    const model::DictObject parameter = object(kEditableU16);
    EXPECT_EQ(reportRow(parameter, context(app::Language::Russian, false))->name, w("Uном"));
    EXPECT_EQ(reportRow(parameter, context(app::Language::English, false))->name, w("Uном"));
    EXPECT_EQ(reportRow(parameter, context(app::Language::Russian, true))->name, w("Номинальное напряжение"));
    EXPECT_EQ(reportRow(parameter, context(app::Language::English, true))->name, "Rated voltage");
}

TEST_F(RowTextsTest, RowCarriesAddressGroupAndVariable) {
    const std::optional<ReportRow> row = reportRow(object(kEditableU16), context());
    ASSERT_TRUE(row);
    EXPECT_EQ(row->idSubId, "2500.01");
    EXPECT_EQ(row->group, "3");
    EXPECT_EQ(row->addr, "Motor.Unom");
    EXPECT_EQ(row->rangeCell, "? - ?\n[1]");
    EXPECT_FALSE(reportRow(object(2), context())) << "a root of two";
}

TEST_F(RowTextsTest, LongRangesAreShortenedToTheirEnds) {
    model::DictObject parameter = object(kEditableTextBitField);
    parameter.textID = "1";
    parameter.defaultValue = "";
    const std::optional<ReportRow> row = reportRow(parameter, context());
    ASSERT_TRUE(row);
    EXPECT_EQ(row->rangeCell, "item0\\item1\\item2\\item3\\i ... em56\\item57\\item58\\item59");

    const std::string limit(kMaxRangeLength, 'x');
    EXPECT_EQ(shortenedRange(limit), limit);
    const std::string beyond = std::string(25, 'a') + std::string(kMaxRangeLength - 49, 'x') + std::string(25, 'z');
    EXPECT_EQ(shortenedRange(beyond), std::string(25, 'a') + " ... " + std::string(25, 'z'));
}

TEST(RowTexts, RangeCellShowsTheDefaultInBracketsOnALineOfItsOwn) {
    EXPECT_EQ(rangeCellText("0 - 15", "5"), "0 - 15\n[5]");
    EXPECT_EQ(rangeCellText("0 - 15", ""), "0 - 15");
    EXPECT_EQ(rangeCellText("? - ?", "?"), "? - ?");
    EXPECT_EQ(rangeCellText("0 - 1", "*"), "0 - 1\n[*]");
}

TEST(RowTexts, IdSubIdWithoutTheHexMarks) {
    struct Case {
        const char* name;
        const char* index;
        const char* subindex;
        const char* expected;
    };
    const Case cases[] = {
        {"as profiles write them", "2500h", "01h", "2500.01"},
        {"upper-case marks and blanks", " 2600H ", "0AH", "2600.0A"},
        {"no marks", "2500", "1", "2500.1"},
        {"empty", "", "", "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(idSubIdText(c.index, c.subindex), c.expected);
    }
}

}  // namespace
}  // namespace tabrin::report
