// The control-panel page and its profile-selection dialog as data: the choices they offer and what
// the result box shows.
#include "panel/panelpage.h"

#include "app/translator.h"

namespace tabrin::panel {
namespace {

KindChoice choice(app::Translator& translator, std::initializer_list<const char*> items, std::vector<int> kinds,
                  int defaultPosition) {
    KindChoice result{{}, std::move(kinds), defaultPosition};
    for (const char* item : items) result.items.push_back(translator.tr(item));
    return result;
}

}  // namespace

KindChoice textKindChoice(app::Language language, app::Translator& translator) {
    if (language == app::Language::English) return choice(translator, {"Long", "Short"}, {1, 2}, 1);
    return choice(translator, {"Длинные русские", "Длинные английские", "Короткие"}, {0, 1, 2}, 2);
}

KindChoice enumerationKindChoice(app::Language language, app::Translator& translator) {
    if (language == app::Language::English) return choice(translator, {"Long", "Short"}, {1, 4}, 1);
    return choice(translator, {"Длинные русские", "Длинные английские", "Короткие русские", "Короткие английские"},
                  {0, 1, 3, 4}, 2);
}

std::string generationWaitText(app::Translator& translator) {
    return translator.tr("Генерация файла, ждите...");
}

std::optional<std::string> resultBoxText(const GenerationResult& result, app::Translator& translator) {
    switch (result.status) {
    case GenerationStatus::Generated:
    case GenerationStatus::NotWritten: return result.text;
    case GenerationStatus::NoProfiles: return translator.tr("Профиль не выбран");
    case GenerationStatus::Stopped: break;
    }
    return std::nullopt;
}

}  // namespace tabrin::panel
