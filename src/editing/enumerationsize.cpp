// The limits of an enumeration's size and the sizes the size field asks for.
#include "editing/enumerationsize.h"

#include <algorithm>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "bases/setbase.h"

namespace tabrin::editing {

std::optional<RoleLimit> roleLimit(std::string_view number) {
    const std::string trimmed = cp1251::trim(number);
    if (trimmed == bases::kUnitPrefixesSet)
        return RoleLimit{bases::kMaxUnitPrefixes, "Перечисление префиксов (№%s) не может быть длиннее %d элементов."};
    if (trimmed == bases::kUnitsSet)
        return RoleLimit{bases::kMaxUnits, "Перечисление размерностей (№%s) не может быть длиннее %d элементов."};
    return std::nullopt;
}

std::optional<int> typedSize(std::string_view fieldText) {
    if (fieldText.empty() || fieldText.size() > 3) return std::nullopt;
    if (!std::all_of(fieldText.begin(), fieldText.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return app::toInteger(fieldText);
}

int steppedSize(std::string_view number, std::string_view fieldText, int step) {
    const std::optional<RoleLimit> limit = roleLimit(number);
    const int most = limit ? limit->mostItems : kMostItems;
    return std::clamp(typedSize(fieldText).value_or(1) + step, 0, most);
}

}  // namespace tabrin::editing
