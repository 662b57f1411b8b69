// Floating-point numbers as the program writes and reads them: "." as the decimal separator.
#include "app/floattext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tabrin::app {
namespace {

// The value rounded to `precision` significant digits, and its decimal exponent.
std::pair<double, int> roundSignificant(double value, int precision) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", precision - 1, value);
    const char* e = std::strchr(text, 'e');
    return {std::strtod(text, nullptr), e ? std::atoi(e + 1) : 0};
}

std::string exponentText(double value, int precision) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", precision - 1, value);
    std::string mantissa(text, std::strchr(text, 'e'));
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + "E" + std::to_string(exponent);
}

}  // namespace

std::optional<double> toFloat(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string fixedText(double value, int precision, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const auto [rounded, exponent] = roundSignificant(value, precision);
    if (rounded != 0 && exponent + 1 > precision) return exponentText(value, precision);
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", digits, rounded);
    std::string fixed = text;
    if (fixed.find_first_not_of("-0.") == std::string::npos && fixed.front() == '-') fixed.erase(0, 1);  // no "-0.000"
    return fixed;
}

std::string generalText(double value) {
    constexpr int kPrecision = 15;
    if (!std::isfinite(value)) return fixedText(value, kPrecision, 0);
    const auto [rounded, exponent] = roundSignificant(value, kPrecision);
    if (rounded != 0 && (exponent >= kPrecision || exponent < -5)) return exponentText(value, kPrecision);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", std::max(0, kPrecision - 1 - exponent), rounded);
    std::string general = text;
    if (general.find('.') != std::string::npos) {
        while (general.back() == '0') general.pop_back();
        if (general.back() == '.') general.pop_back();
    }
    if (general == "-0") general = "0";
    return general;
}

}  // namespace tabrin::app
