// The filter controls of the dictionary grid: the keys the range texts take, the group list and
// the log lines of every change.
#include <gtest/gtest.h>

#include "bases/setbase.h"
#include "editing/gridfilterinput.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

TEST(RangeKeys, HexDigitsInCapitalsAndBackspace) {
    struct Row { char key; std::optional<char> taken; };
    const Row rows[] = {{'0', '0'}, {'9', '9'}, {'A', 'A'}, {'F', 'F'}, {'a', 'A'}, {'f', 'F'}, {'\b', '\b'},
                        {'G', std::nullopt}, {'g', std::nullopt}, {'h', std::nullopt}, {' ', std::nullopt},
                        {'-', std::nullopt}, {'\xE0', std::nullopt}};
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(row.key)));
        EXPECT_EQ(acceptedRangeKey(row.key), row.taken);
    }
}

TEST(GroupList, ItemsOfTheGroupEnumerationByLanguage) {
    bases::SetBase sets;
    sets.elements().push_back({"20", {bases::SetTextItem::make(w("Общие"), "Common", "", ""),
                                      bases::SetTextItem::make(w("Двигатель"), "", "", "")}, {}, {}});
    using Items = std::vector<std::string>;
    EXPECT_EQ(groupListItems(sets, "20", app::Language::Russian), (Items{w("Общие"), w("Двигатель")}));
    // An item without an English text shows its Russian one.
    EXPECT_EQ(groupListItems(sets, "20", app::Language::English), (Items{"Common", w("Двигатель")}));
    EXPECT_TRUE(groupListItems(sets, "21", app::Language::Russian).empty());
}

TEST(FilterLog, LinesOfEveryChange) {
    struct Row { const char* name; std::string line; std::string expected; };
    const Row rows[] = {
        {"range checked", filterSwitchLogLine(w("Фильтр"), w("Диапазон"), true),
         w("'Фильтр -> Диапазон' changed to: checked")},
        {"group unchecked", filterSwitchLogLine(w("Фильтр"), w("Группа"), false),
         w("'Фильтр -> Группа' changed to: unchecked")},
        {"range texts", rangeLogLine(w("Фильтр"), "2000", "2FFF"), w("'Фильтр' range changed to: 2000 - 2FFF")},
        {"group chosen", groupChoiceLogLine(w("Фильтр"), w("Связь")), w("'Фильтр' changed to group: Связь")},
        {"display mode", displayModeLogLine(w("Значения по умолчанию (IQ)"), w("абс. единицы")),
         w("'Значения по умолчанию (IQ)' changed to: абс. единицы")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.line, row.expected);
    }
}

}  // namespace
}  // namespace tabrin::editing
