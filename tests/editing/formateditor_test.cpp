// The format editor's rules: what opening an object chooses, what each choice reveals and when
// "OK" is offered, the Q-value and scale lists, the bit strip, and the confirmed format fields.
#include <gtest/gtest.h>

#include <functional>

#include "app/cp1251.h"
#include "editing/formateditor.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

const UnitLists kLists{{"", "k", "M"}, {"V", "A", "Hz"}};

model::DictObject objectWith(const char* type, const char* access = "Editable") {
    model::DictObject object;
    object.index = "2000h";
    object.subindex = "01h";
    object.number = 2;
    object.Type = type;
    object.DataType = access;
    object.format = std::to_string(model::formatWord(object));
    return object;
}

class FormatEditorTest : public ::testing::Test {
protected:
    FormatEditor editor(const model::DictObject& object) { return FormatEditor(object, m_scales, kLists); }
    std::vector<model::ScaleNumber> m_scales;
};

TEST_F(FormatEditorTest, ANewObjectShowsOnlyThePlaceAndRootNeedsNothingMore) {
    model::DictObject fresh;
    FormatEditor edited = editor(fresh);
    EXPECT_FALSE(edited.choices().place);
    EXPECT_FALSE(edited.groups().access);
    EXPECT_FALSE(edited.okOffered());
    edited.choosePlace(kRoot);
    EXPECT_TRUE(edited.okOffered());
    const model::DictObject root = edited.confirmed();
    EXPECT_EQ(root.Type, "Root");
    EXPECT_EQ(root.DataType, "Viewable");
    EXPECT_EQ(root.format, "0");
}

TEST_F(FormatEditorTest, OpeningChoosesWhatTheObjectHolds) {
    model::DictObject bit = objectWith("Bit", "Protected");
    bit.Visualization = "Hex";
    bit.StartBit = 4;
    bit.Length = 3;
    model::DictObject standard = objectWith("StandartNum", "Viewable");
    standard.Size = "16";
    standard.Signed = "true";
    model::DictObject odd = objectWith("StandartNum");
    odd.Size = "24";
    model::DictObject q = objectWith("IQ", "Secret");
    q.Size = "32";
    q.Signed = "false";
    q.QValue = 20;
    q.ScaleNum = 5;
    model::DictObject absolute = objectWith("Float");
    absolute.FloatType = "Absolute";
    absolute.Prefix = 2;
    absolute.Units = 1;
    absolute.NumOfFloat = 3;
    model::DictObject relative = objectWith("Float");
    relative.FloatType = "Relative";
    relative.ScaleNum = 7;
    model::DictObject unknownAccess = objectWith("StandartNum", "Writable");
    unknownAccess.Size = "8";

    struct Row {
        const char* name;
        model::DictObject object;
        FormatChoices expected;
        bool ok;
    };
    const auto choices = [](std::optional<int> access, int dataType) {
        FormatChoices c;
        c.place = kNotRoot;
        c.access = access;
        c.dataType = dataType;
        return c;
    };
    FormatChoices bitChoices = choices(2, kBitType);
    bitChoices.visualization = 3;
    bitChoices.firstBit = 4;
    bitChoices.lastBit = 6;
    FormatChoices standardChoices = choices(0, kStandardType);
    standardChoices.standard = 3;
    FormatChoices qChoices = choices(3, kQType);
    qChoices.qType = 3;
    qChoices.qValue = 20;
    qChoices.scale = 5;
    FormatChoices absoluteChoices = choices(1, kFloatType);
    absoluteChoices.floatType = kAbsoluteFloat;
    absoluteChoices.prefix = 2;
    absoluteChoices.units = 1;
    absoluteChoices.decimals = 3;
    FormatChoices relativeChoices = choices(1, kFloatType);
    relativeChoices.floatType = kRelativeFloat;
    relativeChoices.scale = 7;
    FormatChoices unknownChoices = choices(std::nullopt, kStandardType);
    unknownChoices.standard = 0;
    const Row rows[] = {
        {"bit field", bit, bitChoices, true},
        {"standard number", standard, standardChoices, true},
        {"standard number of another size", odd, choices(1, kStandardType), false},
        {"Q number", q, qChoices, true},
        {"absolute float", absolute, absoluteChoices, true},
        {"relative float", relative, relativeChoices, true},
        {"access the list lacks", unknownAccess, unknownChoices, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FormatEditor edited = editor(row.object);
        const FormatChoices& c = edited.choices();
        const FormatChoices& e = row.expected;
        EXPECT_EQ(c.place, e.place);
        EXPECT_EQ(c.access, e.access);
        EXPECT_EQ(c.dataType, e.dataType);
        EXPECT_EQ(c.standard, e.standard);
        EXPECT_EQ(c.qType, e.qType);
        EXPECT_EQ(c.qValue, e.qValue);
        EXPECT_EQ(c.scale, e.scale);
        EXPECT_EQ(c.visualization, e.visualization);
        EXPECT_EQ(c.firstBit, e.firstBit);
        EXPECT_EQ(c.lastBit, e.lastBit);
        EXPECT_EQ(c.floatType, e.floatType);
        EXPECT_EQ(c.prefix, e.prefix);
        EXPECT_EQ(c.units, e.units);
        EXPECT_EQ(c.decimals, e.decimals);
        EXPECT_EQ(edited.okOffered(), row.ok);
        // Confirming what an object opened with gives its own format word back.
        if (row.ok) {
            EXPECT_EQ(edited.confirmed().format, std::to_string(model::formatWord(row.object)));
        }
    }
}

TEST_F(FormatEditorTest, EachChoiceRevealsTheNextAndOffersOkWhenComplete) {
    FormatEditor edited = editor(model::DictObject());
    edited.choosePlace(kNotRoot);
    EXPECT_TRUE(edited.groups().access);
    EXPECT_FALSE(edited.groups().dataType);
    edited.chooseAccess(1);
    EXPECT_TRUE(edited.groups().dataType);
    EXPECT_FALSE(edited.okOffered());

    edited.chooseDataType(kQType);
    FormatGroups shown = edited.groups();
    EXPECT_TRUE(shown.qType && shown.qValue && shown.scale);
    EXPECT_FALSE(shown.standard || shown.bitField || shown.floatType);
    EXPECT_EQ(edited.qValueItems().size(), 32u);  // as for U32 until a Q type is chosen
    edited.chooseQType(1);
    EXPECT_EQ(edited.choices().qValue, 24);
    edited.chooseScale(3);
    EXPECT_TRUE(edited.okOffered());
    const model::DictObject q = edited.confirmed();
    EXPECT_EQ(q.format, std::to_string(0x4000 + 0x1000 + 0x400 + 3 * 32 + 24));  // 21624
    EXPECT_EQ(q.Signed, "true");
    EXPECT_EQ(q.Size, "32");
    EXPECT_EQ(q.DataType, "Editable");

    edited.chooseQType(0);  // I16 drops the Q value
    EXPECT_FALSE(edited.choices().qValue);
    EXPECT_FALSE(edited.okOffered());
    EXPECT_EQ(edited.qValueItems().size(), 16u);
    edited.chooseQValue(8);
    EXPECT_TRUE(edited.okOffered());

    edited.chooseDataType(kFloatType);
    EXPECT_TRUE(edited.groups().floatType);
    EXPECT_FALSE(edited.groups().units || edited.groups().scale);
    edited.chooseFloatType(kAbsoluteFloat);  // the first prefix and unit at once
    EXPECT_EQ(edited.choices().prefix, 0);
    EXPECT_EQ(edited.choices().units, 0);
    EXPECT_TRUE(edited.okOffered());
    edited.setDecimals("x");
    EXPECT_EQ(edited.choices().decimals, 0);
    edited.setDecimals("2");
    edited.choosePrefix(1);
    edited.chooseUnits(2);
    EXPECT_EQ(edited.confirmed().format, std::to_string(0x4000 + 0x3000 + 2 * 512 + 1 * 64 + 2));

    // Another place hides everything; the access then shows the data type without its choices.
    edited.choosePlace(kRoot);
    EXPECT_FALSE(edited.groups().access);
    edited.choosePlace(kNotRoot);
    edited.chooseAccess(2);
    EXPECT_TRUE(edited.groups().dataType);
    EXPECT_FALSE(edited.groups().floatType);
    EXPECT_FALSE(edited.okOffered());
}

TEST_F(FormatEditorTest, ChoosingAChosenItemAgainKeepsWhatFollowsIt) {
    model::DictObject q = objectWith("IQ");
    q.Size = "32";
    q.Signed = "true";
    q.QValue = 12;
    q.ScaleNum = 3;
    struct Row {
        const char* name;
        std::function<void(FormatEditor&)> chooseAgain;
    };
    const Row rows[] = {
        {"place", [](FormatEditor& e) { e.choosePlace(kNotRoot); }},
        {"access", [](FormatEditor& e) { e.chooseAccess(1); }},
        {"data type", [](FormatEditor& e) { e.chooseDataType(kQType); }},
        {"Q type", [](FormatEditor& e) { e.chooseQType(1); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormatEditor edited = editor(q);
        row.chooseAgain(edited);
        EXPECT_TRUE(edited.groups().qValue);
        EXPECT_EQ(edited.choices().qValue, 12);
        EXPECT_TRUE(edited.okOffered());
        EXPECT_EQ(edited.confirmed().format, std::to_string(model::formatWord(q)));
    }
}

TEST_F(FormatEditorTest, TheQNumberShowsItsChoicesAsTheCurrentQTypeDoes) {
    model::DictObject q = objectWith("IQ");
    q.Size = "16";
    q.Signed = "true";
    q.QValue = 8;
    q.ScaleNum = 3;
    FormatEditor edited = editor(q);
    edited.chooseDataType(kFloatType);
    edited.chooseDataType(kQType);  // the I16 list anew: its Q value is to be chosen again
    EXPECT_FALSE(edited.choices().qValue);
    EXPECT_FALSE(edited.okOffered());
    edited.chooseQValue(8);
    EXPECT_TRUE(edited.okOffered());

    FormatEditor fresh = editor(model::DictObject());
    fresh.choosePlace(kNotRoot);
    fresh.chooseAccess(0);
    fresh.chooseDataType(kQType);  // built as for U32, Q24 chosen, yet no Q type
    EXPECT_EQ(fresh.choices().qValue, 24);
    fresh.chooseScale(0);
    EXPECT_FALSE(fresh.okOffered());
    fresh.chooseQType(3);
    EXPECT_TRUE(fresh.okOffered());
    EXPECT_EQ(fresh.confirmed().format, std::to_string(0x1000 + 0xC00 + 24));
}

TEST_F(FormatEditorTest, DecimalsStayWithinZeroToThree) {
    struct Row {
        const char* typed;
        int decimals;
    };
    const Row rows[] = {{"2", 2}, {"0", 0}, {"5", 3}, {"12", 3}, {"", 0}, {"x", 0}, {"-1", 0}};
    model::DictObject absolute = objectWith("Float");
    absolute.FloatType = "Absolute";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        FormatEditor edited = editor(absolute);
        edited.setDecimals(row.typed);
        EXPECT_EQ(edited.choices().decimals, row.decimals);
        EXPECT_EQ(edited.confirmed().NumOfFloat, row.decimals);
    }
    absolute.NumOfFloat = 7;  // more than a profile should hold
    EXPECT_EQ(editor(absolute).choices().decimals, 3);
}

TEST_F(FormatEditorTest, BitStripClicksSetTheFieldAndCutItToEightBits) {
    struct Click {
        int bit;
        bool left;
    };
    struct Row {
        const char* name;
        std::vector<Click> clicks;
        int first;
        int last;
    };
    const Row rows[] = {
        {"left 11, right 8", {{11, true}, {8, false}}, 8, 11},
        {"right 2, left 15 is cut", {{2, false}, {15, true}}, 2, 9},
        {"one click sets both ends", {{5, true}}, 5, 5},
        {"left below the first moves it", {{9, false}, {3, true}}, 3, 3},
        {"right above the last moves it", {{4, true}, {12, false}}, 12, 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormatEditor edited = editor(model::DictObject());
        for (const Click& click : row.clicks) edited.clickBit(15 - click.bit, click.left);
        EXPECT_EQ(edited.choices().firstBit, row.first);
        EXPECT_EQ(edited.choices().lastBit, row.last);
        for (int cell = 0; cell < kBitStripCells; ++cell) {
            const int bit = 15 - cell;
            EXPECT_EQ(edited.bitMarked(cell), bit >= row.first && bit <= row.last) << bit;
        }
    }
    FormatEditor edited = editor(model::DictObject());
    edited.choosePlace(kNotRoot);
    edited.chooseAccess(2);
    edited.chooseDataType(kBitType);
    edited.clickBit(15 - 11, true);
    EXPECT_FALSE(edited.okOffered());
    edited.clickBit(15 - 8, false);
    edited.chooseVisualization(3);
    ASSERT_TRUE(edited.okOffered());
    const model::DictObject bit = edited.confirmed();
    EXPECT_EQ(bit.StartBit, 8);
    EXPECT_EQ(bit.Length, 4);
    EXPECT_EQ(bit.Visualization, "Hex");
    EXPECT_EQ(bit.format, std::to_string(0x8000 + 0x2000 + 0x300 + 4 * 16 + 8));
}

TEST_F(FormatEditorTest, QValueAndScaleListTexts) {
    model::DictObject q = objectWith("IQ");
    q.Size = "16";
    q.Signed = "true";
    FormatEditor signed16 = editor(q);
    const std::vector<std::string> items = signed16.qValueItems();
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[8], "(8.8) s i i i i i i i , f f f f f f f f ");
    EXPECT_EQ(items[0], "(16.0) s i i i i i i i i i i i i i i i ");
    q.Signed = "false";
    EXPECT_EQ(editor(q).qValueItems()[4], "(Unsigned 12.4) i i i i i i i i i i i i , f f f f ");

    m_scales.resize(2);
    m_scales[1].num_of_float = "2";
    m_scales[1].prefix = "1";
    m_scales[1].units = "0";
    m_scales[1].scaleQ = "8";
    m_scales[1].possible_value = "540";
    m_scales[1].name = "Voltage";
    const std::vector<std::string> scales = editor(q).scaleItems();
    ASSERT_EQ(scales.size(), 32u);
    EXPECT_EQ(scales[1], "01h: x.xx  kV  IQ8.8  (540)  [Voltage]");
    EXPECT_EQ(scales[0], "00h:     IQ");
    EXPECT_EQ(scales[31], "1Fh:     IQ");
}

TEST_F(FormatEditorTest, LogLineNamesEveryField) {
    model::DictObject absolute = objectWith("Float");
    absolute.FloatType = "Absolute";
    absolute.Prefix = 2;
    absolute.Units = 1;
    absolute.NumOfFloat = 1;
    const FormatEditor edited = editor(absolute);
    EXPECT_EQ(edited.logLine(edited.confirmed()),
              "Format of object #2 [2000h.01h] changed to:\r\n\t AccType: Editable\r\n\t Type: Float\r\n\t Signed: "
              "\r\n\t Size: \r\n\t Visualization: \r\n\t ScaleNum: 0\r\n\t QValue: 0\r\n\t StartBit: 0\r\n\t Length: "
              "0\r\n\t FloatType: Absolute\r\n\t Prefix: M\r\n\t Units: A\r\n\t NumOfFloat: 1");
}

}  // namespace
}  // namespace tabrin::editing
