// The XML element name of a base element, and the number its id takes from the range new ones come from.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrin::bases {

/// `prefix` followed by `id` when `id` is a number in its plain decimal form, which reads back as
/// itself. Any other id (blanks, a sign, leading zeros, letters, nothing) gives the bare prefix
/// without its trailing "_": the element is kept under a name that is always well formed, and its
/// id attribute still holds the id as it was.
std::string elementName(std::string_view prefix, std::string_view id);

/// The number an id or a text number takes, read with blanks on either side and a sign allowed,
/// so that a number written loosely by hand is never given to a new element as well.
std::optional<int> numberTaken(std::string_view text);

}  // namespace tabrin::bases
