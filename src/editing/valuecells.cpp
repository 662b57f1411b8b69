// The default, minimum and maximum cells of the dictionary table in the three display modes, and
// the stored value of a text typed into one of them.
#include "editing/valuecells.h"

#include <cmath>
#include <cstdio>

#include "app/floattext.h"
#include "app/integertext.h"
#include "model/dictobject.h"

namespace tabrin::editing {
namespace {

// The value of the object's scale coefficient, when the table has it and it is a number. Values are
// computed in single precision, as the controllers hold them.
std::optional<float> scaleValue(const model::DictObject& object, const std::vector<model::ScaleNumber>& scaleNumbers) {
    if (object.ScaleNum < 0 || object.ScaleNum >= static_cast<int>(scaleNumbers.size())) return std::nullopt;
    const std::optional<double> value =
        app::toFloat(scaleNumbers[static_cast<std::size_t>(object.ScaleNum)].possible_value);
    if (!value) return std::nullopt;
    return static_cast<float>(*value);
}

std::string withDecimalPoint(std::string_view typed) {
    std::string text(typed);
    if (const std::size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    return text;
}

// The value truncated toward zero, as a decimal integer however large.
std::string truncatedText(float value) {
    const double whole = std::trunc(static_cast<double>(value));
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", whole == 0 ? 0.0 : whole);
    return text;
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
        const float shown = mode == ValueDisplayMode::Absolute
                                ? static_cast<float>(*raw) * scaleValue(object, scaleNumbers).value_or(0) / unit
                                : static_cast<float>(*raw) / unit;
        return object.Size == "16" ? app::fixedText(shown, 6, 3) : app::fixedText(shown, 12, 6);
    }
    if (object.formatType() == model::FormatType::Float) {
        const std::optional<double> parsed = app::toFloat(value);
        if (!parsed) return value;
        float shown = static_cast<float>(*parsed);
        if (mode == ValueDisplayMode::Absolute && object.floatKind() == model::FloatKind::Relative)
            shown *= scaleValue(object, scaleNumbers).value_or(0);
        return app::fixedText(shown, 12, 6);
    }
    return value;
}

std::string storedValueText(const model::DictObject& object, std::string_view typed, ValueDisplayMode mode,
                            const std::vector<model::ScaleNumber>& scaleNumbers) {
    std::string text = withDecimalPoint(typed);
    const bool iq = object.formatType() == model::FormatType::IQ;
    const bool relativeFloat =
        object.formatType() == model::FormatType::Float && object.floatKind() == model::FloatKind::Relative;
    if (!iq && !relativeFloat) return text;
    const std::optional<double> parsed = app::toFloat(text);
    if (!parsed) return text;
    float value = static_cast<float>(*parsed);
    const float scale = scaleValue(object, scaleNumbers).value_or(1.0f);
    if (iq) {
        if (mode != ValueDisplayMode::AsStored) value *= std::ldexp(1.0f, object.QValue);
        if (mode == ValueDisplayMode::Absolute) value /= scale;
    } else if (mode == ValueDisplayMode::Absolute) {
        value /= scale;
    }
    if (!std::isfinite(value)) return text;
    return iq ? truncatedText(value) : app::generalText(value);
}

}  // namespace tabrin::editing
