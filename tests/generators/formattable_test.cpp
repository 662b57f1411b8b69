// The records of the format table: header and value words, group padding, index positions,
// storage counts and the hash input.
#include <gtest/gtest.h>

#include "generators/formattable.h"
#include "generators/formatword.h"
#include "generatorfixture.h"

namespace tabrin::generators {
namespace {

using test::Obj;

class FormatTableTest : public test::GeneratorTest {
protected:
    FormatTable table(bool scramble = false) { return writeFormatTable(m_profile.view(), scramble); }
};

TEST_F(FormatTableTest, GroupMembersArePaddedToTheLargestClass) {
    setObjects({
        Obj("3000h", "00h").root().text("10"),
        Obj("3000h", "01h").standard("16").values("1").text("11"),                               // class 1
        Obj("3000h", "02h").access("Editable").standard("16").values("5", "0", "9").text("12"),  // class 4
        Obj("3000h", "03h").access("Editable").floating().values("1.5").text("13"),              // class 7
        Obj("3001h", "00h").access("Editable").standard("8").values("2").text("14"),             // class 2
    });
    const FormatTable result = table();
    const std::vector<std::string> expected = {
        "", "3, ", "10, ", "7,",
        std::to_string(0x0A80) + ", 11, 0,", "0,", "0,", "0,", "0,", "0,", "0,",
        std::to_string(0x4A00) + ", 12, 1,", "(Uint16)(5),", "(Uint16)(0), (Uint16)(9),", "0,", "0,", "0,",
        std::to_string(0x7000) + ", 13, 2,", "(Uint16)(1069547520), (((Uint32)1069547520)>>16),",
        "(Uint16)(0), (((Uint32)0)>>16), (Uint16)(0), (((Uint32)0)>>16),",
        std::to_string(0x4880) + ", 14, 3,", "(Uint16)(2),",
    };
    EXPECT_EQ(result.lines, expected);
    // The root takes 3 words and each member 2 + 7; the simple object after the group starts at 30.
    EXPECT_EQ(result.indexes, (std::vector<IndexRecord>{{0x3000, 0}, {0x3001, 30}}));
}

TEST_F(FormatTableTest, PaddingEndsWithTheGroup) {
    setObjects({
        Obj("3000h", "00h").root(),
        Obj("3000h", "01h").access("Editable").floating(),
        Obj("3001h", "00h").standard("16"),
        Obj("3002h", "00h").access("Editable").standard("16").values("1", "0", "2"),
    });
    const FormatTable result = table();
    EXPECT_EQ(std::count(result.lines.begin(), result.lines.end(), "0,"), 0);
    EXPECT_EQ(result.indexes, (std::vector<IndexRecord>{{0x3000, 0}, {0x3001, 3 + 9}, {0x3002, 3 + 9 + 3}}));
}

TEST_F(FormatTableTest, ScramblingChangesOnlyTheFirstWordOfEachRecord) {
    setObjects({
        Obj("2600h", "00h").root(),
        Obj("2600h", "01h").access("Editable").standard("32").values("1000h;rpm"),
        Obj("2601h", "00h").access("Editable").bits(4, 3).values("3", "0", "7"),
    });
    const FormatTable plain = table(false);
    const FormatTable scrambled = table(true);
    ASSERT_EQ(plain.lines.size(), scrambled.lines.size());
    const auto firstWord = [](const std::string& line) { return std::stoi(line.substr(0, line.find(','))); };
    const std::vector<std::pair<std::size_t, std::uint32_t>> firstLines = {{1, 0x2600}, {4, 0x2600}, {6, 0x2601}};
    for (std::size_t i = 0; i < plain.lines.size(); ++i) {
        const auto first = std::find_if(firstLines.begin(), firstLines.end(), [&](const auto& f) { return f.first == i; });
        if (first == firstLines.end()) {
            EXPECT_EQ(scrambled.lines[i], plain.lines[i]) << i;
            continue;
        }
        const std::string rest = plain.lines[i].substr(plain.lines[i].find(','));
        EXPECT_EQ(scrambled.lines[i], std::to_string(scrambleFormatWord(firstWord(plain.lines[i]), first->second)) + rest);
    }
    EXPECT_EQ(plain.lines[4], std::to_string(0x4C80) + ", 1, 0,");
    EXPECT_EQ(plain.lines[5], "(Uint16)(0x1000), (((Uint32)0x1000)>>16),");
    EXPECT_EQ(plain.hashInput, scrambled.hashInput);
}

TEST_F(FormatTableTest, StorageCountedByAccessAndRange) {
    setObjects({
        Obj("0800h", "00h").access("Editable").standard("32"),
        Obj("1010h", "00h").access("Editable").bits(0, 2),
        Obj("3010h", "00h").access("Editable").q("32"),
        Obj("3011h", "00h").access("Protected").standard("16"),
        Obj("3012h", "00h").access("Secret").floating(),
        Obj("3013h", "00h").standard("32"),
        Obj("6000h", "00h").access("Secret").standard("8"),
        Obj("7000h", "00h").access("Editable").standard("32"),
    });
    const StorageCounters counters = table().counters;
    StorageCounters expected;
    expected.editable[1] = 1;
    expected.editable[3] = 4;
    expected.protectedAccess[3] = 2;
    expected.secret[3] = 4;
    expected.secret[6] = 1;
    EXPECT_EQ(counters, expected);
}

TEST_F(FormatTableTest, HashInputHoldsEveryObjectWithItsEffectiveWord) {
    setObjects({
        Obj("2000h", "00h").root().text("7"),
        Obj("2000h", "01h").access("Editable").standard("32").text("8"),
    });
    EXPECT_EQ(table().hashInput, "2000h_00h_1_7" "2000h_01h_" + std::to_string(0x4C80) + "_8");
}

TEST_F(FormatTableTest, UnknownTypeWritesTheHeaderOnly) {
    setObjects({Obj("2000h", "00h").access("Editable").values("5", "0", "9")});
    const FormatTable result = table();
    EXPECT_EQ(result.lines, (std::vector<std::string>{std::to_string(0x4000) + ", 1, 0,"}));
}

}  // namespace
}  // namespace tabrin::generators
