// The range and default texts of a dictionary object and the units its description gets, by its
// format word.
#include "report/valuetexts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "app/floattext.h"
#include "app/integertext.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "model/dictobject.h"
#include "model/numbertext.h"
#include "report/numberformat.h"

namespace tabrin::report {
namespace {

constexpr int kBitField = 0x2000;
constexpr int kQNumber = 0x1000;
constexpr int kStandardOrRelative = 0x0800;
constexpr char kTimesSign = '\xB7';  // "·" in Windows-1251
constexpr std::string_view kIqMacro = "_IQ(";
constexpr int kIqFractionBits = 24;

bool hasBits(int word, int bits) { return (word & bits) == bits; }

std::string orQuestionMark(const std::string& text) { return text.empty() ? "?" : text; }

std::optional<std::int64_t> integerValue(std::string_view text) { return model::toIntegerAutoBase(text); }

std::string upperHex(std::uint32_t value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", width, value);
    return buffer;
}

// The enumeration the object's text is bound to, when it has one that exists.
const bases::SetBaseElement* boundEnumeration(const model::DictObject& object, const ValueTextContext& context) {
    const int text = context.texts.find(object.textID);
    if (text < 0) return nullptr;
    const std::string& number = context.texts.elements()[static_cast<std::size_t>(text)].sets;
    return number == "0" ? nullptr : context.sets.findSet(number);
}

// Bits 9..8 of a bit field's format word.
enum class Visualization { Text = 0, Base2 = 1, Decimal = 2, Hexadecimal = 3 };

ValueTexts bitFieldTexts(const model::DictObject& object, int word, const ValueTextContext& context) {
    const int length = (word >> 4) & 0xF;
    const std::uint32_t largest = (1u << length) - 1;
    const std::optional<std::int64_t> value = integerValue(object.defaultValue);
    const auto bits = static_cast<std::uint32_t>(value.value_or(0));
    ValueTexts texts;
    switch (static_cast<Visualization>((word >> 8) & 3)) {
    case Visualization::Text:
        if (const bases::SetBaseElement* set = boundEnumeration(object, context)) {
            for (std::size_t i = 0; i < set->items.size(); ++i) {
                if (i > 0) texts.range += '\\';
                texts.range += set->items[i].chosenText(false, context.language);
            }
            if (value && *value >= 0 && *value <= INT32_MAX) {
                texts.defaultText = set->itemText(static_cast<int>(*value), false, context.language);
            }
        } else {
            texts.range = "0 - " + std::to_string(largest);
        }
        break;
    case Visualization::Base2:
        texts.range = std::string(static_cast<std::size_t>(length), '0') + "b - " +
                      std::string(static_cast<std::size_t>(length), '1') + "b";
        texts.defaultText = value ? model::binaryDigits(bits, length) + "b" : "*";
        break;
    case Visualization::Decimal:
        texts.range = "0 - " + std::to_string(largest);
        texts.defaultText = value || object.defaultValue.empty() ? object.defaultValue : "*";
        break;
    case Visualization::Hexadecimal:
        texts.range = "0h - " + upperHex(largest, 1) + "h";
        texts.defaultText = value ? upperHex(bits, (std::max(length, 1) - 1) / 4 + 1) + "h" : "*";
        break;
    }
    return texts;
}

ValueTexts standardNumberTexts(const model::DictObject& object) {
    ValueTexts texts;
    texts.range = orQuestionMark(object.min) + " - " + orQuestionMark(object.max);
    if (object.defaultValue.empty())
        texts.defaultText = "?";
    else
        texts.defaultText = integerValue(object.defaultValue) ? object.defaultValue : "*";
    return texts;
}

const ScaleTexts& scaleTexts(const ValueTextContext& context, int coefficient) {
    static const ScaleTexts none;
    const auto position = static_cast<std::size_t>(coefficient);
    return position < context.scales.size() ? context.scales[position] : none;
}

// A value shown in relative units, multiplied out with the coefficient's base value.
std::string timesBaseValue(const std::string& shown, const std::string& baseValue) {
    if (shown == "0" || baseValue.empty()) return shown;
    if (shown == "1") return baseValue;
    if (shown == "-1") return "-" + baseValue;
    return baseValue == "1" ? shown : shown + kTimesSign + baseValue;
}

// The four kinds of Q numbers, as bits 11..10 of the format word number them.
enum class QKind { I16 = 0, I32 = 1, U16 = 2, U32 = 3 };

// What one of min, max and default of a Q number stands for: a raw value, or a text shown as
// written. Any other text reads as raw 0 and is marked unreadable.
struct QRawValue {
    std::int64_t raw = 0;
    std::optional<std::string> shownAsWritten;
    bool unreadable = false;
};

QRawValue qRawValue(const std::string& text) {
    QRawValue value;
    if (text.find(kIqMacro) == std::string::npos) {
        const std::optional<std::int64_t> integer = integerValue(text);
        value.raw = integer ? static_cast<std::int32_t>(static_cast<std::uint32_t>(*integer)) : 0;
        value.unreadable = !integer;
        return value;
    }
    // Only the whole forms _IQ(x) and -_IQ(x) stand for a number; anything else is an expression
    // the report cannot evaluate.
    const bool negative = text.starts_with('-');
    const std::string_view macro = std::string_view(text).substr(negative ? 1 : 0);
    if (!macro.starts_with(kIqMacro) || !macro.ends_with(')')) {
        value.shownAsWritten = text;
        return value;
    }
    const std::string_view inner = macro.substr(kIqMacro.size(), macro.size() - kIqMacro.size() - 1);
    const std::optional<double> number = app::toFloat(inner);
    if (!number) {
        value.shownAsWritten = (negative ? "-" : "") + std::string(inner);
        return value;
    }
    const double scaled = std::trunc(std::ldexp(negative ? -*number : *number, kIqFractionBits));
    // Values beyond 32 bits wrap as a 32-bit variable holds them; beyond 64 bits nothing is left.
    const bool fits = std::fabs(scaled) < 0x1p63;
    value.raw = static_cast<std::int32_t>(static_cast<std::uint32_t>(fits ? static_cast<std::int64_t>(scaled) : 0));
    return value;
}

std::string qValueText(const std::string& written, bool isDefault, QKind kind, int q, const ScaleTexts& scale) {
    std::string text = normalizeNumberText(written);
    if (text.empty()) text = "0";
    QRawValue value = qRawValue(text);
    if (value.shownAsWritten) return *value.shownAsWritten;
    if (value.unreadable && isDefault) return "*";
    if (value.raw < 0 && kind == QKind::U16) value.raw += 0x10000;
    if (value.raw < 0 && kind == QKind::U32) value.raw += 0x100000000;
    const std::string shown = fixedPointText(value.raw, q);
    const std::string baseValue = normalizeNumberText(scale.baseValue);
    if (shown != "0" && baseValue == "100" && scale.units == "%") {
        // Percent of a base of 100: raw × 100 / 2^q, with the factor kept small for the division.
        const int factor = q == 0 ? 100 : q == 1 ? 50 : 25;
        return fixedPointText(value.raw * factor, q < 2 ? 0 : q - 2);
    }
    return timesBaseValue(shown, baseValue);
}

ValueTexts qNumberTexts(const model::DictObject& object, int word, const ValueTextContext& context) {
    const ScaleTexts& scale = scaleTexts(context, (word >> 5) & 0x1F);
    const auto kind = static_cast<QKind>((word >> 10) & 3);
    const int q = word & 0x1F;
    return {qValueText(object.min, false, kind, q, scale) + " - " + qValueText(object.max, false, kind, q, scale),
            qValueText(object.defaultValue, true, kind, q, scale), scale.units};
}

ValueTexts relativeFloatTexts(const model::DictObject& object, int word, const ValueTextContext& context) {
    const ScaleTexts& scale = scaleTexts(context, word & 0x1F);
    const std::string baseValue = normalizeNumberText(scale.baseValue);
    const auto shown = [&](const std::string& written) {
        const std::string text = normalizeNumberText(written);
        return timesBaseValue(text.empty() ? "0" : text, baseValue);
    };
    return {shown(object.min) + " - " + shown(object.max), shown(object.defaultValue), scale.units};
}

ValueTexts absoluteFloatTexts(const model::DictObject& object, int word, const ValueTextContext& context) {
    return {normalizeNumberText(orQuestionMark(object.min)) + " - " + normalizeNumberText(orQuestionMark(object.max)),
            normalizeNumberText(orQuestionMark(object.defaultValue)),
            unitsText(context.sets, (word >> 6) & 7, word & 0x3F, context.language)};
}

int formatWordOf(const model::DictObject& object) {
    const int word = app::toInteger(object.format).value_or(0);
    return word >= 0 && word <= 0xFFFF ? word : 0;
}

}  // namespace

std::optional<ValueTexts> valueTexts(const model::DictObject& object, const ValueTextContext& context) {
    const int word = formatWordOf(object);
    const int highByte = word >> 8;
    if (highByte <= 7) return std::nullopt;

    ValueTexts texts;
    if (hasBits(word, kBitField | kQNumber)) {
        texts = hasBits(word, kStandardOrRelative) ? relativeFloatTexts(object, word, context)
                                                   : absoluteFloatTexts(object, word, context);
    } else if (hasBits(word, kBitField)) {
        texts = bitFieldTexts(object, word, context);
    } else if (hasBits(word, kQNumber)) {
        texts = qNumberTexts(object, word, context);
    } else if (hasBits(word, kStandardOrRelative)) {
        texts = standardNumberTexts(object);
    }
    // Values the controller only shows have no range or default to set; their units still count.
    if (highByte <= 63) {
        texts.range = context.viewable;
        texts.defaultText.clear();
    }
    return texts;
}

}  // namespace tabrin::report
