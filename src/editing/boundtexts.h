// The texts of the text base bound to one enumeration, as the rows of a table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "bases/textbase.h"

namespace tabrin::editing {

inline constexpr int kBoundTextColumns = 5;
/// Columns of the bound texts: number, long Russian, long English, short text, author.
enum BoundTextColumn {
    kBoundTextNumber,
    kBoundTextLongRussian,
    kBoundTextLongEnglish,
    kBoundTextShort,
    kBoundTextAuthor
};

/// The positions in the text base, in base order, of the texts bound to the enumeration `number`.
std::vector<std::size_t> textsBoundTo(const bases::TextBase& texts, std::string_view number);

/// The field of a text a column shows.
const std::string& boundTextCell(const bases::TextBaseElement& text, int column);

}  // namespace tabrin::editing
