// The default and limits of an object as the expressions a controller file writes for them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabrin::model {
struct DictObject;
}

namespace tabrin::generators {

/// An object's default (D), minimum (m) and maximum (M) texts and its effective format word.
struct ValueTexts {
    std::string defaultValue;
    std::string min;
    std::string max;
    int formatWord = 0;

    bool operator==(const ValueTexts&) const = default;
};

/// A text whose first character is a decimal digit and that holds a lower-case "h" loses its first
/// "h" and gets "0x" in front ("0FFh" gives "0x0FF"); any other text comes back unchanged.
std::string suffixHexToC(std::string_view text);

/// The value of a whole text read as an integer: an optional sign, then decimal digits or
/// hexadecimal ones after "0x" or "$", of a value that fits 32 bits. Nothing for any other text
/// ("1Fh", "1.5", a name).
std::optional<std::int64_t> integerValue(std::string_view text);

/// The texts as stored, with the empty ones filled as the controller expects: an empty default is
/// "0", and one empty limit becomes "0" when the other is set. The format word is the effective
/// one decided on that minimum. The assembler file writes these texts.
ValueTexts storedValueTexts(const model::DictObject& object);

/// The texts as C expressions: `storedValueTexts`, each cut at its first ";" (a comment), hex
/// texts with "h" turned into C, a bit field's default packed with its maximum into one word
/// (default in the low byte), a float's numbers replaced by the integers with the same bits, and
/// for records with limits an empty limit written as "0".
ValueTexts prepareValueText(const model::DictObject& object);

}  // namespace tabrin::generators
