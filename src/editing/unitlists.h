// The unit-prefix and unit names that scale coefficients and float formats choose from.
#pragma once

#include <string>
#include <vector>

#include "app/language.h"

namespace tabrin::bases {
class SetBase;
}

namespace tabrin::editing {

struct UnitLists {
    std::vector<std::string> prefixes;  // items of the unit-prefix enumeration
    std::vector<std::string> units;     // items of the unit enumeration
};

/// Each item's long text by language; the micro prefix "~m" reads "мк" (Russian) or "u" (English).
/// Without the prefix enumeration both lists stay empty.
UnitLists unitLists(const bases::SetBase& sets, app::Language language);

}  // namespace tabrin::editing
