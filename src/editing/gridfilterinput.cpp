// What the filter and display-mode controls of the dictionary grid accept, list and log.
#include "editing/gridfilterinput.h"

#include "app/formattext.h"
#include "bases/setbase.h"

namespace tabrin::editing {

std::optional<char> acceptedRangeKey(char key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'F') || key == kBackspace) return key;
    if (key >= 'a' && key <= 'f') return static_cast<char>(key - 'a' + 'A');
    return std::nullopt;
}

std::vector<std::string> groupListItems(const bases::SetBase& sets, std::string_view groupSet, app::Language language) {
    std::vector<std::string> items;
    const bases::SetBaseElement* groups = sets.findSet(groupSet);
    if (!groups) return items;
    for (int position = 0; position < static_cast<int>(groups->items.size()); ++position)
        items.push_back(groups->itemText(position, false, language));
    return items;
}

std::string filterSwitchLogLine(std::string_view boxCaption, std::string_view checkCaption, bool checked) {
    return app::formatText("'%s -> %s' changed to: %s", {boxCaption, checkCaption, checked ? "checked" : "unchecked"});
}

std::string rangeLogLine(std::string_view boxCaption, std::string_view begin, std::string_view end) {
    return app::formatText("'%s' range changed to: %s - %s", {boxCaption, begin, end});
}

std::string groupChoiceLogLine(std::string_view boxCaption, std::string_view item) {
    return app::formatText("'%s' changed to group: %s", {boxCaption, item});
}

std::string displayModeLogLine(std::string_view caption, std::string_view item) {
    return app::formatText("'%s' changed to: %s", {caption, item});
}

}  // namespace tabrin::editing
