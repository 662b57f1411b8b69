// The unit-prefix and unit names that scale coefficients and float formats choose from.
#include "editing/unitlists.h"

#include "app/cp1251.h"
#include "bases/setbase.h"

namespace tabrin::editing {

UnitLists unitLists(const bases::SetBase& sets, app::Language language) {
    UnitLists lists;
    const bases::SetBaseElement* prefixes = sets.findSet(bases::kUnitPrefixesSet);
    if (!prefixes) return lists;
    const std::string micro = language == app::Language::English ? "u" : cp1251::fromUtf8("мк");
    for (const bases::SetTextItem& item : prefixes->items) {
        const std::string name = item.chosenText(false, language);
        lists.prefixes.push_back(name == "~m" ? micro : name);
    }
    if (const bases::SetBaseElement* units = sets.findSet(bases::kUnitsSet)) {
        for (const bases::SetTextItem& item : units->items) lists.units.push_back(item.chosenText(false, language));
    }
    return lists;
}

}  // namespace tabrin::editing
