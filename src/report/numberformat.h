// How the report shows numbers: normalised decimal texts and fixed-point raw values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabrin::report {

/// A text that reads as a decimal number, rounded to the digits that matter: one decimal from
/// 1000 up, two from 10 up, and below 10 one more than the position of the first non-zero digit
/// after the point in the text (one when there is none); then without trailing zeros and point.
/// "0.0123" gives "0.012", "3.14159" "3.14", "1234.56" "1234.6", "5" "5". Any other text is
/// returned as it is.
std::string normalizeNumberText(std::string_view text);

/// raw / 2^q as a decimal text: a run of nines (or eights, or sevens) after the point rounds the
/// value up to the digits before it, whole values of 2 and more lose fractions that start with
/// "00", and the rest is cut to at most 7 decimals and normalised.
std::string fixedPointText(std::int64_t raw, int q);

}  // namespace tabrin::report
