// The scale-coefficient page on the fixture profile: the rows as shown, the lists, the typed
// columns' keys, and each committed cell as one command that also gives the coefficient's objects
// their defaults, undone exactly.
#include <gtest/gtest.h>

#include "editing/scaletablepage.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

class ScaleTablePageTest : public EditingProfile {
protected:
    ScaleTablePage m_page{m_document, m_sets, app::Language::Russian, m_translator};
};

TEST_F(ScaleTablePageTest, RowsShowTheProfilesCoefficientsByPosition) {
    const auto first = m_page.cells(0);
    EXPECT_EQ(first[kScalePositionColumn], "00h");
    EXPECT_EQ(first[kPrecisionColumn], "x.x");
    EXPECT_EQ(first[kUnitsColumn], m_page.listItems(kUnitsColumn).at(1));
    EXPECT_EQ(first[kPrefixColumn], m_page.listItems(kPrefixColumn).at(0));
    EXPECT_EQ(first[kQFormatColumn], "12.4");
    EXPECT_EQ(first[kAssumedValueColumn], "540");
    EXPECT_EQ(first[kDescriptionColumn], "Voltage");
    EXPECT_TRUE(m_page.editable(0));
    EXPECT_FALSE(m_page.editable(1));
    const auto missing = m_page.cells(0x1F);
    EXPECT_EQ(missing[kScalePositionColumn], "1Fh");
    EXPECT_EQ(missing[kAssumedValueColumn], "");
    EXPECT_EQ(m_page.listItems(kQFormatColumn).size(), 17u);
    EXPECT_EQ(m_page.listItems(kPrecisionColumn), (std::vector<std::string>{"x", "x.x", "x.xx", "x.xxx"}));
    EXPECT_EQ(m_page.headers()[kAssumedValueColumn], w("Предполагаемое значение"));
}

TEST_F(ScaleTablePageTest, ChoicesGiveTheCoefficientsObjectsTheirDefaults) {
    const model::ObjectSerial packed = m_operations.create(serial("1000h.00h"), "2100", "02");
    const model::ObjectSerial q = m_operations.create(serial("1000h.00h"), "2100", "03");
    m_document.setClean();
    const ProfileState before(profile());
    const std::size_t history = m_document.historySize();
    m_page.choose(0, kUnitsColumn, 3);
    m_page.choose(0, kPrefixColumn, 2);
    m_page.choose(0, kQFormatColumn, 8);
    m_page.choose(0, kPrecisionColumn, 2);
    EXPECT_EQ(m_document.historySize(), history + 4);
    EXPECT_EQ(m_document.undoText(), w("масштабирующий коэффициент 00h"));
    EXPECT_TRUE(m_document.isModified());
    const model::ScaleNumber& scale = profile().scaleNumbers[0];
    EXPECT_EQ(scale.units, "3");
    EXPECT_EQ(scale.prefix, "2");
    EXPECT_EQ(scale.scaleQ, "8");
    EXPECT_EQ(scale.num_of_float, "2");
    EXPECT_EQ(m_page.cells(0)[kQFormatColumn], "8.8");
    EXPECT_EQ(m_page.cells(0)[kPrecisionColumn], "x.xx");
    for (const model::DictObject* object : profile().view()) {
        if (object->serial == packed) {
            EXPECT_EQ(object->defaultValue, std::to_string(3 * 1024 + 2 * 128 + 2 * 32 + 8));
        } else if (object->serial == q) {
            EXPECT_EQ(object->defaultValue, "8");
        }
    }
    for (int i = 0; i < 4; ++i) m_document.undo();
    EXPECT_TRUE(ProfileState(profile()) == before);
    EXPECT_FALSE(m_document.isModified());
}

TEST_F(ScaleTablePageTest, TypedColumnsTakeTheirKeysAndTexts) {
    const struct {
        int column;
        char key;
        std::optional<char> typed;
    } keys[] = {
        {kAssumedValueColumn, '7', '7'},   {kAssumedValueColumn, ',', '.'}, {kAssumedValueColumn, '.', '.'},
        {kAssumedValueColumn, '-', std::nullopt}, {kAssumedValueColumn, 'e', std::nullopt},
        {kDescriptionColumn, 'e', 'e'},    {kPrefixColumn, '1', std::nullopt}, {kScalePositionColumn, 'a', std::nullopt},
    };
    for (const auto& row : keys) {
        SCOPED_TRACE(std::to_string(row.column) + row.key);
        EXPECT_EQ(ScaleTablePage::typedKey(row.column, row.key), row.typed);
    }
    m_page.type(0, kAssumedValueColumn, "12,5");
    EXPECT_EQ(profile().scaleNumbers[0].possible_value, "12.5");
    m_page.type(0, kDescriptionColumn, w("Напряжение, В"));
    EXPECT_EQ(profile().scaleNumbers[0].name, w("Напряжение, В"));
    const std::size_t history = m_document.historySize();
    m_page.type(0, kDescriptionColumn, w("Напряжение, В"));  // unchanged: no command
    m_page.type(3, kDescriptionColumn, "beyond the table");  // no such coefficient
    m_page.choose(3, kUnitsColumn, 1);
    EXPECT_EQ(m_document.historySize(), history);
}

}  // namespace
}  // namespace tabrin::editing
