// The items of an enumeration as table rows, and the enumeration after an edit of them.
#include "editing/enumerationitems.h"

#include <algorithm>

#include "app/translator.h"

namespace tabrin::editing {
namespace {

std::string bases::SetTextItem::*fieldOf(int column) {
    switch (column) {
    case kItemLongEnglish: return &bases::SetTextItem::longEng;
    case kItemShortRussian: return &bases::SetTextItem::shortRus;
    case kItemShortEnglish: return &bases::SetTextItem::shortEng;
    default: return &bases::SetTextItem::longRus;
    }
}

}  // namespace

ItemRow itemHeaders(app::Translator& translator) {
    return {translator.tr("№"), translator.tr("Длинный русский"), translator.tr("Длинный английский"),
            translator.tr("Короткий русский"), translator.tr("Короткий английский")};
}

std::string itemCell(const bases::SetBaseElement& set, int row, int column) {
    if (row < 0 || static_cast<std::size_t>(row) >= set.items.size()) return {};
    if (column == kItemPosition) return std::to_string(row);
    return set.items[static_cast<std::size_t>(row)].*fieldOf(column);
}

std::string withoutSeparators(std::string_view text) {
    std::string kept(text);
    kept.erase(std::remove(kept.begin(), kept.end(), '@'), kept.end());
    return kept;
}

bool isEmptyEnumeration(const bases::SetBaseElement& set) {
    return set.items.size() <= 1 && (set.items.empty() || set.items.front().packed().empty());
}

bases::SetBaseElement withItemText(bases::SetBaseElement set, int row, int column, std::string_view text) {
    bases::SetTextItem& item = set.items.at(static_cast<std::size_t>(row));
    item.*fieldOf(column) = std::string(text);
    item = bases::SetTextItem::make(item.longRus, item.longEng, item.shortRus, item.shortEng);
    set.rebuildJoinedText();
    return set;
}

bases::SetBaseElement withItemCount(bases::SetBaseElement set, int count) {
    set.items.resize(static_cast<std::size_t>(std::max(count, 0)));
    set.rebuildJoinedText();
    return set;
}

}  // namespace tabrin::editing
