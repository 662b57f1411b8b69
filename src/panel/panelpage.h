// The control-panel page and its profile-selection dialog as data: the choices they offer and what
// the result box shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/language.h"
#include "panel/panelfile.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::panel {

/// One radio group of the profile-selection dialog: its translated items, the text or
/// enumeration kind each gives, and the item checked at first.
struct KindChoice {
    std::vector<std::string> items;
    std::vector<int> kinds;
    int defaultPosition = 0;
};

/// "Генерировать тексты": long Russian, long English, short (short checked) under the Russian
/// interface; "Long" and "Short" (kinds 1 and 2) under the English one.
KindChoice textKindChoice(app::Language language, app::Translator& translator);
/// "Генерировать перечисления": long and short, Russian and English (short Russian checked) under
/// the Russian interface; "Long" and "Short" (kinds 1 and 4) under the English one.
KindChoice enumerationKindChoice(app::Language language, app::Translator& translator);

/// What the result box shows while a generation runs.
std::string generationWaitText(app::Translator& translator);
/// What the result box shows once a generation of the page ended: the file's text, or "Профиль не
/// выбран" when no profile was chosen; nothing when it stopped, so that the wait text stays.
std::optional<std::string> resultBoxText(const GenerationResult& result, app::Translator& translator);

}  // namespace tabrin::panel
