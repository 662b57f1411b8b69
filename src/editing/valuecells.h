// The default, minimum and maximum cells of the dictionary table in the three display modes, and
// the stored value of a text typed into one of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabrin::model {
struct DictObject;
struct ScaleNumber;
}  // namespace tabrin::model

namespace tabrin::editing {

/// How default values and limits are shown: as stored, in absolute or in relative units.
enum class ValueDisplayMode { AsStored = 0, Absolute = 1, Relative = 2 };

/// The cell text of `value` (the object's default, minimum or maximum) in `mode`; Q numbers
/// and floats are converted with the scale value of the object's coefficient.
std::string valueCellText(const model::DictObject& object, const std::string& value, ValueDisplayMode mode,
                          const std::vector<model::ScaleNumber>& scaleNumbers);

/// The inverse of `valueCellText`: the value to store for `typed`, entered in `mode`. The first
/// comma is taken as the decimal point; a Q number is stored as an integer truncated toward zero,
/// a relative float in general notation. A text that is no number, or the value of any other
/// format, is stored as typed; so is a result that is no finite number (a coefficient of 0).
std::string storedValueText(const model::DictObject& object, std::string_view typed, ValueDisplayMode mode,
                            const std::vector<model::ScaleNumber>& scaleNumbers);

}  // namespace tabrin::editing
