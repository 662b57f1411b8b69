// The scale table as the scale page shows a coefficient: its display precision, prefix, unit and
// Q format as item texts of their lists.
#include "editing/scaletable.h"

#include <optional>
#include <vector>

#include "app/integertext.h"
#include "editing/unitlists.h"
#include "model/scalenumber.h"

namespace tabrin::editing {
namespace {

template <typename List>
std::string item(const List& list, const std::string& position) {
    const std::optional<int> chosen = app::toInteger(position);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(list.size())) return {};
    return std::string(list[static_cast<std::size_t>(*chosen)]);
}

}  // namespace

ScaleListTexts scaleListTexts(const model::ScaleNumber& scale, const UnitLists& lists) {
    return {item(kDisplayPrecisions, scale.num_of_float), item(lists.prefixes, scale.prefix),
            item(lists.units, scale.units), item(kScaleQFormats, scale.scaleQ)};
}

}  // namespace tabrin::editing
