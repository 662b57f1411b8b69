// The items of an enumeration as the rows of a table: the position and the four texts of each, and
// the enumeration as it stands after a cell is changed or the number of items is.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "bases/setbaseelement.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::editing {

inline constexpr int kItemColumns = 5;
/// Columns of the items table: position, long Russian, long English, short Russian, short English.
enum ItemColumn { kItemPosition, kItemLongRussian, kItemLongEnglish, kItemShortRussian, kItemShortEnglish };

/// One row of the items table.
using ItemRow = std::array<std::string, kItemColumns>;

/// The translated headers of an items table (the enumerations page's, and the texts page's table of
/// the bound enumeration's items).
ItemRow itemHeaders(app::Translator& translator);

/// The cell of an item: its position in column 0, its texts in the other columns.
std::string itemCell(const bases::SetBaseElement& set, int row, int column);

/// The text of a cell as an item may hold it: "@" separates the texts in the file and cannot be
/// kept inside one, so every "@" goes.
std::string withoutSeparators(std::string_view text);

/// An enumeration without texts: no item, or one whose texts are all empty.
bool isEmptyEnumeration(const bases::SetBaseElement& set);

/// `set` with one text of one item replaced (the item remade from its four texts, the joined text
/// rebuilt).
bases::SetBaseElement withItemText(bases::SetBaseElement set, int row, int column, std::string_view text);

/// `set` with `count` items: items past it are dropped, new ones are empty.
bases::SetBaseElement withItemCount(bases::SetBaseElement set, int count);

}  // namespace tabrin::editing
