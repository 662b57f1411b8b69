// Numbers in the texts of a profile: integers with an automatic base and the hex address texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabrin::model {

/// The value of a whole text read as a C integer literal: decimal, "0x" hexadecimal or leading
/// "0" octal, with an optional sign. Nothing when the text is empty, holds anything after the
/// number, or the value does not fit 32 bits (signed or unsigned).
std::optional<std::int64_t> toIntegerAutoBase(std::string_view text);

/// An integer attribute of an object element: blanks, CR, LF and quotes around it are ignored;
/// anything that is not an integer reads as 0.
int integerAttribute(std::string_view text);

/// Accumulates every hexadecimal digit of `text` and skips everything else: "2600h" gives 0x2600.
std::uint32_t hexTextToNumber(std::string_view text);

/// Upper-case hex digits of `value` (none for 0), then "h", padded with leading zeros to
/// `digits` + 1 characters: (0x2600, 4) gives "2600h", (1, 2) gives "01h".
std::string numberToHexText(std::uint32_t value, int digits);

/// The binary digits of `value` (at least one), padded with leading zeros to `width`: (5, 4) gives "0101".
std::string binaryDigits(std::uint32_t value, int width);

}  // namespace tabrin::model
