// The dictionary table as data: the rows of the current view that pass the filters, every cell
// text, and how each row is drawn.
#include "editing/dictionarytable.h"

#include <unordered_set>

#include "app/formattext.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "editing/formatdescription.h"
#include "editing/unitlists.h"
#include "model/numbertext.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

std::string groupCell(const model::DictObject& object, const bases::SetBaseElement* groups, app::Language language,
                      app::Translator& translator) {
    if (!groups || object.subindex != "00h") return {};
    const std::optional<int> group = app::toInteger(object.group);
    if (!group) return translator.tr("ВНЕ ГРУПП");
    if (*group >= 0 && *group < static_cast<int>(groups->items.size())) return groups->itemText(*group, false, language);
    return std::to_string(*group);
}

// The addresses of the base profile, looked up once per row of a configuration's view.
std::unordered_set<std::string> baseAddresses(const model::Profile& profile) {
    std::unordered_set<std::string> addresses;
    if (profile.CurrSubProfile == 0 || profile.configurations.empty()) return addresses;
    for (const model::DictObject& base : profile.configurations.front().objects) addresses.insert(base.address());
    return addresses;
}

RowOrigin originOf(const model::DictObject& object, const std::unordered_set<std::string>& baseAddresses) {
    if (object.configuration == 0) return RowOrigin::BaseProfile;
    return baseAddresses.contains(object.address()) ? RowOrigin::Override : RowOrigin::ConfigurationOnly;
}

bool passes(const model::DictObject& object, const DictionaryFilters& filters) {
    if (filters.rangeOn) {
        const std::uint32_t index = model::hexTextToNumber(object.index);
        if (index < model::hexTextToNumber(filters.rangeBegin) || index > model::hexTextToNumber(filters.rangeEnd)) {
            return false;
        }
    }
    return !filters.groupOn || filterGroup(object.group) == filters.group;
}

}  // namespace

Rgb rowBackground(RowOrigin origin, int row) {
    const bool odd = row % 2 != 0;
    switch (origin) {
    case RowOrigin::BaseProfile: return odd ? Rgb{230, 240, 250} : Rgb{250, 250, 255};
    case RowOrigin::Override: return odd ? Rgb{255, 156, 135} : Rgb{255, 190, 176};
    case RowOrigin::ConfigurationOnly: return odd ? Rgb{139, 255, 163} : Rgb{193, 255, 206};
    }
    return {255, 255, 255};
}

int filterGroup(const std::string& group) { return app::toInteger(group).value_or(2); }

std::vector<DictionaryRow> fillDictionaryRows(const model::Profile& profile, const DictionaryFilters& filters,
                                              ValueDisplayMode mode, const bases::SetBase& sets,
                                              app::Language language, app::Translator& translator) {
    const UnitLists lists = unitLists(sets, language);
    const bases::SetBaseElement* groups = sets.findSet(profile.settings.group_set);
    const std::unordered_set<std::string> base = baseAddresses(profile);
    std::vector<DictionaryRow> rows;
    rows.reserve(profile.view().size());
    for (const model::DictObject* shown : profile.view()) {
        const model::DictObject& object = *shown;
        if (!passes(object, filters)) continue;
        DictionaryRow row{object.number, object.serial, {}, originOf(object, base), object.isRoot()};
        row.cells = {std::to_string(object.number),
                     (object.subindex == "00h" ? "" : "    ") + object.index,
                     object.subindex,
                     object.name,
                     object.nameEng,
                     object.text,
                     describeFormat(object, lists, translator),
                     object.addr,
                     groupCell(object, groups, language, translator),
                     valueCellText(object, object.defaultValue, mode, profile.scaleNumbers),
                     valueCellText(object, object.min, mode, profile.scaleNumbers),
                     valueCellText(object, object.max, mode, profile.scaleNumbers),
                     object.description,
                     object.callback};
        rows.push_back(std::move(row));
    }
    return rows;
}

std::array<std::string, kDictionaryColumns> dictionaryHeaders(app::Translator& translator) {
    static constexpr const char* kHeaders[kDictionaryColumns] = {
        "№", "Индекс", "Подындекс", "Длинный русский", "Длинный английский", "Короткий", "Формат",
        "Адрес", "Группа", "По умолчанию", "Мин.", "Макс.", "Комментарий", "CallBack"};
    std::array<std::string, kDictionaryColumns> headers;
    for (int i = 0; i < kDictionaryColumns; ++i) headers[static_cast<std::size_t>(i)] = translator.tr(kHeaders[i]);
    return headers;
}

std::string controllerFileBoxCaption(int objectCount, app::Translator& translator) {
    return app::formatText(translator.tr("Файл словаря для контроллера (%d объектов)"),
                           {std::to_string(objectCount)});
}

}  // namespace tabrin::editing
