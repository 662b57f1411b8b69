// The description of an object's default by its format that the parameter-file window shows beside
// each object of the profile: the number with its sign and size, the scaled value with prefix and
// unit, the bit field's item or digits, or the root's count.
#include "editing/defaultinfo.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "app/floattext.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "model/numbertext.h"

namespace tabrin::editing {
namespace {

constexpr int kDecimalsWhenUnknown = 3;

std::string item(const std::vector<std::string>& list, int position) {
    return position >= 0 && position < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(position)]
                                                                     : std::string();
}

std::string item(const std::vector<std::string>& list, const std::string& position) {
    return item(list, app::toInteger(position).value_or(-1));
}

model::ScaleNumber coefficient(const model::DictObject& object, const DefaultInfoContext& context) {
    if (object.ScaleNum < 0 || object.ScaleNum >= static_cast<int>(context.scaleNumbers.size())) return {};
    return context.scaleNumbers[static_cast<std::size_t>(object.ScaleNum)];
}

double coefficientValue(const model::ScaleNumber& scale) { return app::toFloat(scale.possible_value).value_or(0); }
int coefficientDecimals(const model::ScaleNumber& scale) {
    return app::toInteger(scale.num_of_float).value_or(kDecimalsWhenUnknown);
}
std::string coefficientUnit(const model::ScaleNumber& scale, const UnitLists& units) {
    return item(units.prefixes, scale.prefix) + item(units.units, scale.units);
}

std::string iqInfo(const model::DictObject& object, const DefaultInfoContext& context) {
    const model::ScaleNumber scale = coefficient(object, context);
    std::string value = object.defaultValue;
    if (const std::optional<long long> raw = app::toLongLong(object.defaultValue)) {
        const double shown = static_cast<double>(*raw) * coefficientValue(scale) / std::ldexp(1.0, object.QValue);
        value = app::fixedText(shown, object.Size == "16" ? 6 : 12, coefficientDecimals(scale));
    }
    return "IQ " + value + " " + coefficientUnit(scale, context.units);
}

std::string floatInfo(const model::DictObject& object, const DefaultInfoContext& context) {
    const bool relative = object.floatKind() == model::FloatKind::Relative;
    const model::ScaleNumber scale = relative ? coefficient(object, context) : model::ScaleNumber();
    std::string value = object.defaultValue;
    if (const std::optional<double> parsed = app::toFloat(object.defaultValue)) {
        value = relative ? app::fixedText(*parsed * coefficientValue(scale), 12, coefficientDecimals(scale))
                         : app::fixedText(*parsed, 12, object.NumOfFloat);
    }
    const std::string unit =
        relative ? coefficientUnit(scale, context.units)
                 : item(context.units.prefixes, object.Prefix) + item(context.units.units, object.Units);
    return context.translator.tr("Плав.т. ") + value + " " + unit;
}

std::string bitInfo(const model::DictObject& object, const DefaultInfoContext& context) {
    const int v = app::toInteger(object.defaultValue).value_or(-1);
    const auto bits = static_cast<std::uint32_t>(v);
    std::string shown;
    if (object.Visualization == "Text") {
        std::string named;
        if (const int text = context.texts.find(object.textID); text >= 0) {
            const std::string& bound = context.texts.elements()[static_cast<std::size_t>(text)].sets;
            if (const bases::SetBaseElement* set = context.sets.findSet(bound))
                named = set->itemText(v, false, context.language);
        }
        shown = "\"" + named + "\"" + context.translator.tr(" перечисл.");
    } else if (object.Visualization == "Bin") {
        shown = model::binaryDigits(bits, object.Length) + "b" + context.translator.tr(" 2-ич.");
    } else if (object.Visualization == "Dec") {
        shown = object.defaultValue + context.translator.tr(" 10-ич.");
    } else if (object.Visualization == "Hex") {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%02X", bits);
        shown = hex + context.translator.tr(" 16-ич.");
    }
    return context.translator.tr("Бит. ") + shown;
}

}  // namespace

std::string defaultInfo(const model::DictObject& object, const DefaultInfoContext& context) {
    switch (object.formatType()) {
    case model::FormatType::StandartNum:
        return context.translator.tr("Стд.числ. ") + object.defaultValue + (object.Signed == "true" ? " I" : " U") +
               object.Size;
    case model::FormatType::IQ: return iqInfo(object, context);
    case model::FormatType::Float: return floatInfo(object, context);
    case model::FormatType::Bit: return bitInfo(object, context);
    case model::FormatType::Root: return object.format + context.translator.tr(" корневой");
    default: return {};
    }
}

}  // namespace tabrin::editing
