// What the generators derive from a format word: roots, value classes, storage sizes and the
// scrambled form the controller decodes.
#pragma once

#include <cstdint>
#include <string_view>

namespace tabrin::generators {

/// A format word below this is a root: it counts the member objects that follow it.
inline constexpr int kRootFormatLimit = 256;
/// Set by the generator on a standard number whose limits are both empty.
inline constexpr int kNoRangeMark = 0x80;
/// The lowest format word of an object the user may change (access Editable).
inline constexpr int kEditableAccess = 0x4000;

/// The format word held in an object's `format` text; 0 when the text is no number.
int formatWordOf(std::string_view formatText);

bool isStandardNumber(int word);
bool isBitField(int word);
bool isFloat(int word);

/// The format word with the no-range mark added when it is a standard number and `min` is empty.
int effectiveFormatWord(int word, std::string_view min);

/// The class of an effective format word: how many words its record takes beyond the first two
/// (1 none, 2 the default, 3 a 32-bit default, 4 default and limits, 7 all three as 32 bits), or
/// 0 for an Editable or higher word of no known type.
int valueClass(int word);

enum class OutputForm { C, Assembler };

/// The bytes an object's value takes in the controller's non-volatile memory; 0 for a Viewable one.
int storageSize(int word, OutputForm form);

/// The first word of a record as written when format words are encrypted; the controller gets
/// the word back as ((scrambled XOR index) − (NOT index) − 0x3B5E) modulo 65536.
std::uint16_t scrambleFormatWord(int word, std::uint32_t index);

}  // namespace tabrin::generators
