// What the generators derive from a format word: roots, value classes, storage sizes and the
// scrambled form the controller decodes.
#include "generators/formatword.h"

#include "app/integertext.h"

namespace tabrin::generators {
namespace {

constexpr int kTypeBits = 0x3000;
constexpr int kBitFieldType = 0x2000;
constexpr int kFloatType = 0x3000;
constexpr int kQType = 0x1000;
constexpr int kQ32Bits = 0x0400;
constexpr int kStandardSizeBits = 0x0600;
constexpr int kStandardSize8 = 0x0000;
constexpr int kStandardSize32 = 0x0400;
constexpr std::uint16_t kScrambleKey = 0x3B5E;

// The value classes, decided by the first row whose masked bits match. Bit 9 (16 bits) is left
// out of the standard-number masks: a 16-bit value fits one word like an 8-bit one.
struct ClassRow {
    int mask;
    int bits;
    int valueClass;
};
constexpr ClassRow kClassRows[] = {
    {0x3C80, 0x0880, 2},  // 8- or 16-bit standard number without range
    {0x3000, 0x2000, 2},  // bit field
    {0x3C80, 0x0C80, 3},  // 32-bit standard number without range
    {0x3C80, 0x0800, 4},  // 8- or 16-bit standard number with range
    {0x3400, 0x1000, 4},  // 16-bit Q number
    {0x3400, 0x1400, 7},  // 32-bit Q number
    {0x3E80, 0x0C00, 7},  // 32-bit standard number with range
    {0x3000, 0x3000, 7},  // float
};

}  // namespace

int formatWordOf(std::string_view formatText) { return app::toInteger(formatText).value_or(0); }

bool isStandardNumber(int word) { return (word & 0x3800) == 0x0800; }
bool isBitField(int word) { return (word & kTypeBits) == kBitFieldType; }
bool isFloat(int word) { return (word & kTypeBits) == kFloatType; }

int effectiveFormatWord(int word, std::string_view min) {
    return isStandardNumber(word) && min.empty() ? word + kNoRangeMark : word;
}

int valueClass(int word) {
    if (word < kEditableAccess) return 1;
    for (const ClassRow& row : kClassRows) {
        if ((word & row.mask) == row.bits) return row.valueClass;
    }
    return 0;
}

int storageSize(int word, OutputForm form) {
    if (word < kEditableAccess) return 0;
    if (isBitField(word)) return form == OutputForm::C ? 1 : 2;
    if (isFloat(word)) return 4;
    if ((word & kTypeBits) == kQType) return word & kQ32Bits ? 4 : 2;
    switch (word & kStandardSizeBits) {
    case kStandardSize8: return 1;
    case kStandardSize32: return 4;
    default: return 2;
    }
}

std::uint16_t scrambleFormatWord(int word, std::uint32_t index) {
    const auto x = static_cast<std::uint16_t>(index);
    const auto notX = static_cast<std::uint16_t>(~x);
    return static_cast<std::uint16_t>(static_cast<std::uint16_t>(word + notX + kScrambleKey) ^ x);
}

}  // namespace tabrin::generators
