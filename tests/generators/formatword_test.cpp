// Format words as the generators read them: value classes, storage sizes, the no-range mark and
// the scrambling the controller undoes.
#include <gtest/gtest.h>

#include "generators/formatword.h"

namespace tabrin::generators {
namespace {

struct ClassRow {
    const char* name;
    int word;
    int valueClass;
};

TEST(FormatWord, ValueClassOfEveryKindOfWord) {
    const ClassRow rows[] = {
        {"viewable float", 0x3000, 1},
        {"viewable 32-bit number", 0x0C00, 1},
        {"editable U8 without range", 0x4880, 2},
        {"editable I16 without range", 0x4B80, 2},
        {"bit field", 0x6348, 2},
        {"U32 without range", 0x4C80, 3},
        {"I32 without range", 0xCD80, 3},
        {"U16 with range falls with the 8-bit numbers", 0x4A00, 4},
        {"I8 with range", 0x4900, 4},
        {"signed IQ16", 0x5018, 4},
        {"unsigned IQ16", 0x9818, 4},
        {"signed IQ32", 0x5418, 7},
        {"unsigned IQ32", 0x5C18, 7},
        {"U32 with range", 0x4C00, 7},
        {"I32 with range", 0x8D00, 7},
        {"absolute float", 0x7405, 7},
        {"relative float", 0x7801, 7},
        {"editable word of no known type", 0x4000, 0},
    };
    for (const ClassRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(valueClass(row.word), row.valueClass);
    }
}

struct SizeRow {
    const char* name;
    int word;
    int cBytes;
    int assemblerBytes;
};

TEST(FormatWord, StorageSizeByTypeAndForm) {
    const SizeRow rows[] = {
        {"viewable U32 takes no memory", 0x0C00, 0, 0},
        {"bit field", 0x6348, 1, 2},
        {"float", 0x8000 | 0x3000, 4, 4},
        {"IQ32", 0x5400, 4, 4},
        {"IQ16", 0x5000, 2, 2},
        {"U8", 0x4880, 1, 1},
        {"U16", 0x4A00, 2, 2},
        {"U32", 0xC400 | 0x0800, 4, 4},
        {"size code 3", 0x4E00, 2, 2},
    };
    for (const SizeRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(storageSize(row.word, OutputForm::C), row.cBytes);
        EXPECT_EQ(storageSize(row.word, OutputForm::Assembler), row.assemblerBytes);
    }
}

TEST(FormatWord, NoRangeMarkOnlyForStandardNumbersWithoutMinimum) {
    EXPECT_EQ(effectiveFormatWord(0x4C00, ""), 0x4C80);
    EXPECT_EQ(effectiveFormatWord(0x4C00, "0"), 0x4C00);
    EXPECT_EQ(effectiveFormatWord(0x5400, ""), 0x5400) << "IQ";
    EXPECT_EQ(effectiveFormatWord(0x4348, ""), 0x4348) << "bit field";
    EXPECT_EQ(effectiveFormatWord(0x7000, ""), 0x7000) << "float";
}

// What the controller's firmware does with the first word of a record.
std::uint16_t decodedByFirmware(std::uint16_t scrambled, std::uint32_t index) {
    const auto x = static_cast<std::uint16_t>(index);
    return static_cast<std::uint16_t>((scrambled ^ x) - static_cast<std::uint16_t>(~x) - 0x3B5E);
}

TEST(FormatWord, FirmwareDecodesEveryScrambledWord) {
    for (const std::uint32_t index : {0x0000u, 0x1018u, 0x2600u, 0x3FFFu, 0xFFFFu}) {
        SCOPED_TRACE(index);
        for (int word = 0; word <= 0xFFFF; ++word) {
            ASSERT_EQ(decodedByFirmware(scrambleFormatWord(word, index), index), word);
        }
    }
}

TEST(FormatWord, ScramblingWorkedByHand) {
    // (0x4C80 + 0xD9FF + 0x3B5E) mod 65536 = 0x61DD; 0x61DD XOR 0x2600 = 0x47DD.
    EXPECT_EQ(scrambleFormatWord(0x4C80, 0x2600), 0x47DD);
}

}  // namespace
}  // namespace tabrin::generators
