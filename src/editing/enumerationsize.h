// How many items an enumeration may have: the limits of the enumerations with a fixed role and of
// the size field, and the size the field's text and its up-down buttons ask for.
#pragma once

#include <optional>
#include <string_view>

namespace tabrin::editing {

/// The size field holds at most three digits.
inline constexpr int kMostItems = 999;

/// The limit of an enumeration with a fixed role (unit prefixes, units) and the warning, a pattern
/// taking the number and the limit, shown when a typed size goes past it.
struct RoleLimit {
    int mostItems;
    std::string_view warning;
};
std::optional<RoleLimit> roleLimit(std::string_view number);

/// The size typed into the field; nothing when it is not a number of at most three digits.
std::optional<int> typedSize(std::string_view fieldText);

/// The size an up-down button asks for: one more or one less than the field's number (1 when it
/// holds none), kept between 0 and the enumeration's limit.
int steppedSize(std::string_view number, std::string_view fieldText, int step);

}  // namespace tabrin::editing
