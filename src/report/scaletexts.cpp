// The texts of the profile's scale coefficients that the report multiplies values with.
#include "report/scaletexts.h"

#include "app/integertext.h"
#include "bases/setbase.h"
#include "model/scalenumber.h"

namespace tabrin::report {
namespace {

std::string itemText(const bases::SetBase& sets, std::string_view setNumber, std::optional<int> position,
                     app::Language language) {
    const bases::SetBaseElement* set = sets.findSet(setNumber);
    if (set == nullptr || !position) return {};
    return set->itemText(*position, false, language);
}

}  // namespace

std::string unitsText(const bases::SetBase& sets, std::optional<int> prefix, std::optional<int> unit,
                      app::Language language) {
    return itemText(sets, bases::kUnitPrefixesSet, prefix, language) + itemText(sets, bases::kUnitsSet, unit, language);
}

std::vector<ScaleTexts> gatherScaleTexts(const std::vector<model::ScaleNumber>& scaleNumbers,
                                         const bases::SetBase& sets, app::Language language) {
    std::vector<ScaleTexts> gathered;
    for (const model::ScaleNumber& scale : scaleNumbers) {
        if (gathered.size() == kMaxScaleCoefficients) break;
        gathered.push_back({scale.possible_value,
                            unitsText(sets, app::toInteger(scale.prefix), app::toInteger(scale.units), language)});
    }
    return gathered;
}

}  // namespace tabrin::report
