// Which enumerations the selector of the enumerations page lists: those passing its filter, the
// user's own ones and, when asked for, other users' ones that hold any text.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "bases/setbase.h"

namespace tabrin::editing {

/// The positions in the base, in base order, of the enumerations listed for `user`: each passes a
/// filter (trimmed and lowered here) that is empty or occurs in its number, its joined text or its
/// author in lower case; it is the user's, or `showOthers` is set and it is not empty.
std::vector<std::size_t> listedEnumerations(const bases::SetBase& sets, std::string_view filter, bool showOthers,
                                            std::string_view user);

}  // namespace tabrin::editing
