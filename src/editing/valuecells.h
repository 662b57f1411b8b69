// The default, minimum and maximum cells of the dictionary table in the three display modes.
#pragma once

#include <string>
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

}  // namespace tabrin::editing
