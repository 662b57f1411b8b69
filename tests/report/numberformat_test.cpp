// Normalised number texts and fixed-point values as the report shows them.
#include <gtest/gtest.h>

#include "report/numberformat.h"

namespace tabrin::report {
namespace {

TEST(NumberFormat, NormalizesToTheDigitsThatMatter) {
    struct Case {
        const char* name;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"below ten, to one past the first non-zero decimal", "0.0123", "0.012"},
        {"below ten, first decimal non-zero", "3.14159", "3.14"},
        {"from a thousand, one decimal", "1234.56", "1234.6"},
        {"from ten, two decimals", "12.3456", "12.35"},
        {"integer", "5", "5"},
        {"large integer keeps its zeros", "100", "100"},
        {"trailing zeros and point go", "2.500", "2.5"},
        {"zeros after the point only", "7.000", "7"},
        {"negative", "-0.0456", "-0.046"},
        {"explicit plus", "+2.5", "2.5"},
        {"exponent", "1.5e3", "1500"},
        {"rounded to zero has no sign", "-0.0", "0"},
        {"not a number stays", "SPEED", "SPEED"},
        {"number with trailing text stays", "12V", "12V"},
        {"hexadecimal stays", "0x10", "0x10"},
        {"empty stays", "", ""},
        {"infinity is no number", "inf", "inf"},
        {"two signs are no number", "+-1", "+-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(normalizeNumberText(c.text), c.expected);
    }
}

TEST(NumberFormat, ShowsRawValuesOverPowersOfTwo) {
    struct Case {
        const char* name;
        std::int64_t raw;
        int q;
        const char* expected;
    };
    const Case cases[] = {
        {"Q0 is the raw value", 16384, 0, "16384"},
        {"one in Q14", 16384, 14, "1"},
        {"a half in Q24", 8388608, 24, "0.5"},
        {"nines right after the point round up to a whole", 32767, 15, "1"},
        {"nines further on keep the digits before them", 8516, 16, "0.13"},
        {"nines before the point do not count", 99 * 16 + 8, 4, "99.5"},
        {"eights after them still do", 6399, 6, "100"},
        {"eights count where no nines are", 510, 10, "0.5"},
        {"sevens count where no nines or eights are", 993, 10, "0.97"},
        {"a fraction starting 00 is dropped from 2 up", 2 * 256 + 1, 8, "2"},
        {"but kept below 2", 256 + 1, 8, "1.0039"},
        {"long fractions cut to 7 decimals, then normalised", 2882, 12, "0.7"},
        {"negative", -3 * 4096 / 2, 12, "-1.5"},
        {"the smallest negative rounds to zero without a sign", -1, 31, "0"},
        {"zero", 0, 24, "0"},
        {"raw values beyond 32 bits", 4294967295LL * 25, 12, "26214400"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fixedPointText(c.raw, c.q), c.expected);
    }
}

}  // namespace
}  // namespace tabrin::report
