// What the filter and display-mode controls of the dictionary grid accept, list and log.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"

namespace tabrin::bases {
class SetBase;
}

namespace tabrin::editing {

inline constexpr char kBackspace = '\b';

/// A key typed into the begin or end text of the range filter: hexadecimal digits (small letters
/// become capitals) and backspace are taken, anything else is dropped.
std::optional<char> acceptedRangeKey(char key);

/// The group list of the group filter: the long text by language of every item of the profile's
/// group enumeration, so that a position in the list is a group value. Empty without that enumeration.
std::vector<std::string> groupListItems(const bases::SetBase& sets, std::string_view groupSet, app::Language language);

/// "'Фильтр -> Диапазон' changed to: checked": a filter check box clicked.
std::string filterSwitchLogLine(std::string_view boxCaption, std::string_view checkCaption, bool checked);
/// "'Фильтр' range changed to: 2000 - 2FFF": Enter in a range text.
std::string rangeLogLine(std::string_view boxCaption, std::string_view begin, std::string_view end);
/// "'Фильтр' changed to group: Двигатель": a group chosen in the list.
std::string groupChoiceLogLine(std::string_view boxCaption, std::string_view item);
/// "'Значения по умолчанию (IQ)' changed to: абс. единицы": a display mode chosen.
std::string displayModeLogLine(std::string_view caption, std::string_view item);

}  // namespace tabrin::editing
