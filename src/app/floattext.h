// Floating-point numbers as the program writes and reads them: "." as the decimal separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrin::app {

/// The value of a whole decimal text with "." as separator (an optional sign and exponent); nothing
/// otherwise, and nothing for "inf", "nan" or a value out of range, which no profile means.
std::optional<double> toFloat(std::string_view text);

/// Fixed notation with `digits` decimals after rounding to `precision` significant digits
/// (FloatToStrF-style: 1234.5678 with 6 and 3 gives "1234.570"). A value with more integer
/// digits than `precision` is written with an exponent instead ("1.5E20").
std::string fixedText(double value, int precision, int digits);

/// General notation with up to 15 significant digits, no trailing zeros (FloatToStr-style: 0.5 gives
/// "0.5", 2048 gives "2048"); an exponent for values from 1E15 up or below 1E-5 ("1E-6").
std::string generalText(double value);

}  // namespace tabrin::app
