// The default, minimum and maximum cells of the dictionary table in the three display modes.
#include "editing/valuecells.h"

#include <cmath>

#include "app/floattext.h"
#include "app/integertext.h"
#include "model/dictobject.h"

namespace tabrin::editing {
namespace {

// Values are computed in single precision, as the controllers hold them.
float scaleValue(const model::DictObject& object, const std::vector<model::ScaleNumber>& scaleNumbers) {
    if (object.ScaleNum < 0 || object.ScaleNum >= static_cast<int>(scaleNumbers.size())) return 0;
    return static_cast<float>(
        app::toFloat(scaleNumbers[static_cast<std::size_t>(object.ScaleNum)].possible_value).value_or(0));
}

}  // namespace

std::string valueCellText(const model::DictObject& object, const std::string& value, ValueDisplayMode mode,
                          const std::vector<model::ScaleNumber>& scaleNumbers) {
    if (object.formatType() == model::FormatType::Root) return {};
    if (mode == ValueDisplayMode::AsStored) return value;
    if (object.formatType() == model::FormatType::IQ) {
        const std::optional<int> raw = app::toInteger(value);
        if (!raw) return value;
        const float unit = std::ldexp(1.0f, object.QValue);
        const float shown = mode == ValueDisplayMode::Absolute ? static_cast<float>(*raw) * scaleValue(object, scaleNumbers) / unit
                                                               : static_cast<float>(*raw) / unit;
        return object.Size == "16" ? app::fixedText(shown, 6, 3) : app::fixedText(shown, 12, 6);
    }
    if (object.formatType() == model::FormatType::Float) {
        const std::optional<double> parsed = app::toFloat(value);
        if (!parsed) return value;
        float shown = static_cast<float>(*parsed);
        if (mode == ValueDisplayMode::Absolute && object.floatKind() == model::FloatKind::Relative) shown *= scaleValue(object, scaleNumbers);
        return app::fixedText(shown, 12, 6);
    }
    return value;
}

}  // namespace tabrin::editing
