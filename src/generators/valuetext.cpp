// The default and limits of an object as the expressions a controller file writes for them.
#include "generators/valuetext.h"

#include <bit>
#include <charconv>
#include <cmath>

#include "generators/formatword.h"
#include "model/dictobject.h"

namespace tabrin::generators {
namespace {

// Values are 32-bit words of the controller, signed or unsigned.
constexpr std::uint64_t kLargestMagnitude = 0xFFFFFFFF;

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

void cutAtComment(std::string& text) {
    if (const std::size_t semicolon = text.find(';'); semicolon != std::string::npos) text.erase(semicolon);
}

// A number as the program reads floating-point texts, with "." as decimal separator: an optional
// sign, digits with an optional point and exponent; no names such as "inf".
std::optional<float> floatValue(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    const std::string_view magnitude = !digits.empty() && digits.front() == '-' ? digits.substr(1) : digits;
    if (magnitude.empty() || !(isDecimalDigit(magnitude.front()) || magnitude.front() == '.')) return std::nullopt;
    float value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// A float's number becomes the integer the controller stores: the same 32 bits.
void replaceByFloatBits(std::string& text) {
    if (const std::optional<float> value = floatValue(text)) text = std::to_string(std::bit_cast<std::int32_t>(*value));
}

}  // namespace

std::string suffixHexToC(std::string_view text) {
    const std::size_t h = text.find('h');
    if (text.empty() || !isDecimalDigit(text.front()) || h == std::string_view::npos) return std::string(text);
    std::string converted = "0x" + std::string(text);
    converted.erase(h + 2, 1);
    return converted;
}

std::optional<std::int64_t> integerValue(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value > kLargestMagnitude) return std::nullopt;
    return negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
}

ValueTexts storedValueTexts(const model::DictObject& object) {
    ValueTexts texts{object.defaultValue, object.min, object.max, 0};
    if (texts.defaultValue.empty()) texts.defaultValue = "0";
    if (texts.min.empty() && !texts.max.empty()) texts.min = "0";
    if (texts.max.empty() && !texts.min.empty()) texts.max = "0";
    texts.formatWord = effectiveFormatWord(formatWordOf(object.format), texts.min);
    return texts;
}

ValueTexts prepareValueText(const model::DictObject& object) {
    ValueTexts texts = storedValueTexts(object);
    const int word = formatWordOf(object.format);
    for (std::string* text : {&texts.defaultValue, &texts.min, &texts.max}) cutAtComment(*text);
    texts.min = suffixHexToC(texts.min);
    texts.max = suffixHexToC(texts.max);
    if (isBitField(word)) {
        const std::int64_t low = integerValue(suffixHexToC(texts.defaultValue)).value_or(0);
        const std::int64_t high = integerValue(texts.max).value_or(0);
        texts.defaultValue = std::to_string(low + high * 256);
    }
    texts.defaultValue = suffixHexToC(texts.defaultValue);
    if (isFloat(word)) {
        for (std::string* text : {&texts.min, &texts.max, &texts.defaultValue}) replaceByFloatBits(*text);
    }
    texts.formatWord = effectiveFormatWord(word, texts.min);
    const int recordClass = valueClass(texts.formatWord);
    if (recordClass == 4 || recordClass == 7) {
        if (texts.min.empty()) texts.min = "0";
        if (texts.max.empty()) texts.max = "0";
    }
    return texts;
}

}  // namespace tabrin::generators
