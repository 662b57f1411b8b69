// Windows-1251 text: exact conversion to and from Unicode, and the byte-level helpers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrin::cp1251 {

/// The Unicode code point of one Windows-1251 byte; the one unassigned code (0x98) gives U+FFFD.
char32_t toCodePoint(unsigned char byte);

/// The Windows-1251 byte of a code point, or '?' when the code page has none for it.
char fromCodePoint(char32_t codePoint);

std::string toUtf8(std::string_view text);
std::u16string toUtf16(std::string_view text);

/// Code points that Windows-1251 cannot hold, and malformed UTF-8, become '?'.
std::string fromUtf8(std::string_view utf8);
std::string fromUtf16(std::u16string_view utf16);

/// The first character of UTF-8 text that Windows-1251 cannot hold (U+FFFD for malformed UTF-8),
/// or nothing when `fromUtf8` converts the whole text exactly.
std::optional<char32_t> firstCharacterOutside(std::string_view utf8);

/// "U+00F6": how a message names a character.
std::string codePointName(char32_t codePoint);

/// UTF-8 text converted whole, or where that stopped: the first code point that Windows-1251
/// cannot hold (U+FFFD for a malformed sequence, with `malformed` set) and its byte offset.
struct ExactConversion {
    std::string text;
    bool complete = true;
    bool malformed = false;
    char32_t codePoint = 0;
    std::size_t offset = 0;
};
ExactConversion fromUtf8Exactly(std::string_view utf8);

/// UTF-16 text as UTF-8, every character kept; a surrogate without its partner becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

/// Lower case of Latin and Cyrillic letters, byte by byte.
std::string lower(std::string_view text);

/// Removes control characters and blanks (bytes up to 0x20) from both ends.
std::string trim(std::string_view text);

}  // namespace tabrin::cp1251
