// Numbers in the texts of a profile: integers with an automatic base and the hex address texts.
#include "model/numbertext.h"

#include <charconv>

namespace tabrin::model {

std::optional<std::int64_t> toIntegerAutoBase(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '0') {
        base = 8;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size() || magnitude > 0xFFFFFFFFull) return std::nullopt;
    return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

int integerAttribute(std::string_view text) {
    constexpr std::string_view kStripped = " \t\r\n\"'";
    const std::size_t first = text.find_first_not_of(kStripped);
    if (first == std::string_view::npos) return 0;
    text = text.substr(first, text.find_last_not_of(kStripped) - first + 1);
    const std::optional<std::int64_t> value = toIntegerAutoBase(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX) return 0;
    return static_cast<int>(*value);
}

std::uint32_t hexTextToNumber(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit >= 0) value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string numberToHexText(std::uint32_t value, int digits) {
    std::string text;
    for (; value != 0; value /= 16) text.insert(text.begin(), "0123456789ABCDEF"[value % 16]);
    text += 'h';
    while (static_cast<int>(text.size()) < digits + 1) text.insert(text.begin(), '0');
    return text;
}

std::string binaryDigits(std::uint32_t value, int width) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + (value & 1)));
        value >>= 1;
    } while (value != 0);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

}  // namespace tabrin::model
