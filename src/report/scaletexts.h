// The texts of the profile's scale coefficients that the report multiplies values with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/language.h"

namespace tabrin::bases {
class SetBase;
}
namespace tabrin::model {
struct ScaleNumber;
}

namespace tabrin::report {

/// At most this many coefficients take part: a format word holds a coefficient in five bits.
inline constexpr std::size_t kMaxScaleCoefficients = 32;

struct ScaleTexts {
    std::string baseValue;  // the coefficient's value as written in the profile
    std::string units;      // prefix and unit, e.g. "кВ"
};

/// The long item texts of the unit-prefix enumeration at `prefix` and of the unit enumeration at
/// `unit`, joined; a missing position or item contributes nothing.
std::string unitsText(const bases::SetBase& sets, std::optional<int> prefix, std::optional<int> unit,
                      app::Language language);

/// The texts of every coefficient of the scale table, in table order.
std::vector<ScaleTexts> gatherScaleTexts(const std::vector<model::ScaleNumber>& scaleNumbers,
                                         const bases::SetBase& sets, app::Language language);

}  // namespace tabrin::report
