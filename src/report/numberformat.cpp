// How the report shows numbers: normalised decimal texts and fixed-point raw values.
#include "report/numberformat.h"

#include "app/floattext.h"

#include <cmath>
#include <cstdio>

namespace tabrin::report {
namespace {

std::string fixed(double value, int decimals) {
    const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    return text;
}

void removeTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos) return;
    while (text.back() == '0') text.pop_back();
}

void removeTrailingPoint(std::string& text) {
    if (!text.empty() && text.back() == '.') text.pop_back();
}

// One more than the position of the first non-zero digit after the point; 1 without such a digit.
int decimalsBelowTen(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return 1;
    for (std::size_t i = point + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (text[i] != '0') return static_cast<int>(i - point) + 1;
    }
    return 1;
}

}  // namespace

std::string normalizeNumberText(std::string_view text) {
    const std::optional<double> value = app::toFloat(text);
    if (!value) return std::string(text);
    const double magnitude = std::fabs(*value);
    const int decimals = magnitude >= 1000 ? 1 : magnitude >= 10 ? 2 : decimalsBelowTen(text);
    std::string result = fixed(*value, decimals);
    removeTrailingZeros(result);
    removeTrailingPoint(result);
    // Values that round to zero keep no sign: "-0" would read as a different number in a manual.
    if (result == "-0") result = "0";
    return result;
}

std::string fixedPointText(std::int64_t raw, int q) {
    const double value = std::ldexp(static_cast<double>(raw), -q);
    const std::string first = fixed(value, q);
    const std::size_t point = first.find('.');
    if (point == std::string::npos) return normalizeNumberText(first);

    std::string text = first;
    bool roundedUp = false;
    for (const std::string_view run : {"99", "98", "97"}) {
        const std::size_t at = first.find(run);
        if (at != std::string::npos && at > point) {
            text = fixed(value, static_cast<int>(at - point - 1));
            if (text.find('.') == std::string::npos) return text;
            roundedUp = true;
            break;
        }
    }
    if (!roundedUp && first.find("00") == point + 1 && std::fabs(std::trunc(value)) >= 2) return fixed(value, 0);

    removeTrailingZeros(text);
    if (text.size() > 7) text = fixed(value, 7);
    removeTrailingPoint(text);
    return normalizeNumberText(text);
}

}  // namespace tabrin::report
