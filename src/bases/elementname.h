// The XML element name of a base element: a prefix and the element's number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrin::bases {

/// `prefix` followed by `id` without the blanks before its number, which would end the name;
/// nothing when `id` is not an integer.
std::optional<std::string> elementName(std::string_view prefix, std::string_view id);

}  // namespace tabrin::bases
