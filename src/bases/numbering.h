// Numbers for new texts and enumerations.
#pragma once

#include <optional>
#include <vector>

namespace tabrin::bases {

/// One above the greatest number in use while that stays within `maximum`; past it, the smallest
/// number from 1 that is not in use, so that no number is ever given twice. Nothing when every
/// number is taken.
std::optional<int> nextFreeNumber(std::vector<int> numbersInUse, int maximum);

}  // namespace tabrin::bases
