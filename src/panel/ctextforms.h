// How texts go into the C panel files: quote handling, the enumeration reference, string
// literals and packed 16-bit words.
#pragma once

#include <string>
#include <string_view>

namespace tabrin::panel {

/// The text with its double quotes turned into the panel's "~X" marks: while a double quote is
/// left, the first one is deleted and "~X" put where the next one now stands, or at the start
/// when none is left (`a"b"c` gives `~Xab~Xc`).
std::string withQuotesHandled(std::string_view text);

/// "~k" and the character (n mod 224) + 32, then for n above 223 the character (n div 224) + 32.
std::string enumerationReference(int setNumber);

/// `content` between double quotes as a C string literal, with a backslash before each double
/// quote and each backslash, so that the panel receives exactly these bytes.
std::string stringLiteral(std::string_view content);

/// The bytes taken two at a time as the unsigned words second × 256 + first, each followed by
/// ","; an odd last byte alone.
std::string packedWords(std::string_view bytes);

}  // namespace tabrin::panel
