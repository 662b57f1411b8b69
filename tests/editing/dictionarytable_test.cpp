// The dictionary table's cells: format descriptions, value display modes, groups, filters, colours.
#include <gtest/gtest.h>

#include <climits>

#include "app/floattext.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/dictionarytable.h"
#include "editing/formatdescription.h"
#include "editing/unitlists.h"
#include "editing/viewfill.h"
#include "model/profile.h"
#include "sampledictionary.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

TEST(FixedText, RoundsToSignificantDigitsThenDecimals) {
    struct Row { double value; int precision; int digits; const char* text; };
    const Row rows[] = {
        {5.0, 6, 3, "5.000"}, {0.5, 6, 3, "0.500"}, {1234.5678, 6, 3, "1234.570"}, {-2.25, 12, 6, "-2.250000"},
        {0.0001, 6, 3, "0.000"}, {-0.0001, 6, 3, "0.000"}, {1234567.0, 6, 3, "1.23457E6"}, {1.5e20, 12, 6, "1.5E20"},
        {0.1f, 12, 6, "0.100000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(app::fixedText(row.value, row.precision, row.digits), row.text);
    }
}

TEST(FormatDescription, EveryType) {
    bases::SetBase sets;
    bases::SetBaseElement prefixes;
    prefixes.id = "6";
    prefixes.items = {{"", "", "", ""}, {"~m", "", "", ""}, {w("к"), "k", "", ""}};
    bases::SetBaseElement units;
    units.id = "7";
    units.items = {{"", "", "", ""}, {w("В"), "V", "", ""}};
    sets.elements() = {prefixes, units};
    const UnitLists russian = unitLists(sets, app::Language::Russian);
    EXPECT_EQ(russian.prefixes[1], w("мк"));
    EXPECT_EQ(unitLists(sets, app::Language::English).prefixes[1], "u");

    app::Translator translator;
    struct Row { const char* name; model::DictObject o; std::string text; };
    std::vector<Row> rows;
    auto add = [&](const char* name, std::function<void(model::DictObject&)> set, std::string text) {
        model::DictObject o = object("3000h", "00h");
        set(o);
        rows.push_back({name, o, std::move(text)});
    };
    add("unsigned number", [](auto& o) { o.DataType = "Editable"; o.Signed = "false"; o.Size = "16"; }, w("W.Станд. числ.U16"));
    add("number without sign", [](auto& o) { o.Size = "8"; }, w("R.Станд. числ.8"));
    add("Q number", [](auto& o) { o.Type = "IQ"; o.Signed = "true"; o.Size = "32"; o.QValue = 24; o.ScaleNum = 3; },
        w("R.Q-тип.I32 8,24 м.к.№03h"));
    add("Q number of odd size", [](auto& o) { o.Type = "IQ"; o.Size = "8"; o.ScaleNum = 1; }, w("R.Q-тип.8  м.к.№01h"));
    add("relative float", [](auto& o) { o.Type = "Float"; o.FloatType = "Relative"; o.DataType = "Editable"; o.ScaleNum = 1; },
        w("W.Плав. отн.ед. м.к.№01h"));
    add("absolute float", [](auto& o) { o.Type = "Float"; o.FloatType = "Absolute"; o.Prefix = 2; o.Units = 1; o.NumOfFloat = 2; },
        w("R.Плав. абс.ед., кВ (x.xx)"));
    add("absolute float outside the lists", [](auto& o) { o.Type = "Float"; o.FloatType = "Absolute"; o.Prefix = 9; o.Units = 9; o.NumOfFloat = 9; },
        w("R.Плав. абс.ед.,  ()"));
    add("other float", [](auto& o) { o.Type = "Float"; }, w("R.Плав. "));
    add("hex bit field", [](auto& o) { o.Type = "Bit"; o.DataType = "Protected"; o.Visualization = "Hex"; o.StartBit = 8; o.Length = 4; },
        w("P.Бит.16-ич. 8h-Bh"));
    add("whole word", [](auto& o) { o.Type = "Bit"; o.Visualization = "Text"; o.StartBit = 0; o.Length = 16; }, w("R.Бит.текст. 0h-Fh"));
    add("high bits", [](auto& o) { o.Type = "Bit"; o.Visualization = "Bin"; o.StartBit = 12; o.Length = 8; }, w("R.Бит.2-ич. Ch-13h"));
    add("smallest Q value", [](auto& o) { o.Type = "IQ"; o.Signed = "true"; o.Size = "16"; o.QValue = INT_MIN; },
        w("R.Q-тип.I16 2147483664,-2147483648 м.к.№00h"));
    add("largest bit field", [](auto& o) { o.Type = "Bit"; o.Visualization = "Hex"; o.StartBit = INT_MAX; o.Length = INT_MAX; },
        w("R.Бит.16-ич. 7FFFFFFFh-FFFFFFFDh"));
    add("root", [](auto& o) { o.Type = "Root"; }, w("Корневой"));
    add("format not a number", [](auto& o) { o.format = "x"; }, w("не задан"));
    add("unknown type", [](auto& o) { o.Type = "Odd"; }, "");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(describeFormat(row.o, russian, translator), row.text);
    }
}

TEST(ValueCells, DisplayModes) {
    model::ScaleNumber ten;
    ten.possible_value = "10";
    const std::vector<model::ScaleNumber> scales = {ten};
    model::DictObject iq16 = object("3000h", "00h", "IQ");
    iq16.Size = "16";
    iq16.QValue = 12;
    model::DictObject iq32 = iq16;
    iq32.Size = "32";
    iq32.QValue = 24;
    model::DictObject relative = object("3000h", "00h", "Float");
    relative.FloatType = "Relative";
    model::DictObject absolute = relative;
    absolute.FloatType = "Absolute";
    model::DictObject root = object("3000h", "00h", "Root");
    model::DictObject noScale = iq16;
    noScale.ScaleNum = 5;

    struct Row { const char* name; const model::DictObject* o; std::string value; std::array<std::string, 3> shown; };
    const Row rows[] = {
        {"Q16", &iq16, "2048", {"2048", "5.000", "0.500"}},
        {"Q32", &iq32, "8388608", {"8388608", "5.000000", "0.500000"}},
        {"Q not a number", &iq32, "abc", {"abc", "abc", "abc"}},
        {"relative float", &relative, "1.5", {"1.5", "15.000000", "1.500000"}},
        {"absolute float", &absolute, "1.5", {"1.5", "1.500000", "1.500000"}},
        {"comma is no separator", &relative, "1,5", {"1,5", "1,5", "1,5"}},
        {"root", &root, "7", {"", "", ""}},
        {"no such coefficient", &noScale, "2048", {"2048", "0.000", "0.500"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int mode = 0; mode < 3; ++mode) {
            EXPECT_EQ(valueCellText(*row.o, row.value, static_cast<ValueDisplayMode>(mode), scales), row.shown[static_cast<std::size_t>(mode)]) << mode;
        }
    }
}

using DictionaryRows = SampleDictionary;

TEST_F(DictionaryRows, ViewFillCopiesTextsAndCountsRootsForTheRows) {
    fillView(m_profile, m_texts);
    const std::vector<DictionaryRow> rows = fill();
    ASSERT_EQ(rows.size(), 5u);
    const auto& root = rows[0].cells;
    EXPECT_EQ(root[0], "0");
    EXPECT_EQ(root[1], "1018h");
    EXPECT_EQ(root[3], w("Скорость"));
    EXPECT_EQ(root[4], "Speed");
    EXPECT_EQ(root[5], w("Ск"));
    EXPECT_EQ(root[8], w("Двигатель"));
    EXPECT_TRUE(rows[0].root);
    EXPECT_EQ(rows[1].cells[1], "    1018h");
    EXPECT_EQ(rows[1].cells[8], "");  // groups show at 00h only
    EXPECT_EQ(rows[3].cells[8], w("ВНЕ ГРУПП"));
    EXPECT_EQ(rows[4].cells[8], "9");
    EXPECT_EQ(m_profile.view()[0]->format, "2");
    EXPECT_EQ(m_profile.view()[1]->group, "1");
    EXPECT_EQ(m_profile.view()[2]->group, "1");
}

TEST_F(DictionaryRows, Filters) {
    DictionaryFilters range;
    range.rangeOn = true;
    range.rangeBegin = "2000";
    range.rangeEnd = "2FFF";
    EXPECT_TRUE(fill(range).empty());

    DictionaryFilters outside;
    outside.groupOn = true;
    outside.group = 2;  // an empty group counts as group 2
    // The view was not filled, so the objects of 1018h keep their empty groups.
    const std::vector<DictionaryRow> rows = fill(outside);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[2].number, 3);
}

TEST_F(DictionaryRows, OriginsAndColours) {
    m_profile.setCurrent(1);
    const std::vector<DictionaryRow> rows = fill();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[3].origin, RowOrigin::Override);
    EXPECT_EQ(rows[5].origin, RowOrigin::ConfigurationOnly);
    EXPECT_EQ(rows[0].origin, RowOrigin::BaseProfile);
    EXPECT_EQ(rowBackground(RowOrigin::BaseProfile, 1), (Rgb{230, 240, 250}));
    EXPECT_EQ(rowBackground(RowOrigin::BaseProfile, 2), (Rgb{250, 250, 255}));
    EXPECT_EQ(rowBackground(RowOrigin::Override, 3), (Rgb{255, 156, 135}));
    EXPECT_EQ(rowBackground(RowOrigin::ConfigurationOnly, 4), (Rgb{193, 255, 206}));
    EXPECT_EQ(controllerFileBoxCaption(6, m_translator), w("Файл словаря для контроллера (6 объектов)"));
}

}  // namespace
}  // namespace tabrin::editing
