// Numbers for new texts and enumerations.
#include "bases/numbering.h"

#include <algorithm>

namespace tabrin::bases {

std::optional<int> nextFreeNumber(std::vector<int> numbersInUse, int maximum) {
    const int greatest = numbersInUse.empty() ? 0 : *std::max_element(numbersInUse.begin(), numbersInUse.end());
    if (greatest < maximum) return std::max(greatest, 0) + 1;
    std::sort(numbersInUse.begin(), numbersInUse.end());
    int candidate = 1;
    for (const int used : numbersInUse) {
        if (used > candidate) break;
        if (used == candidate) ++candidate;
    }
    if (candidate > maximum) return std::nullopt;
    return candidate;
}

}  // namespace tabrin::bases
