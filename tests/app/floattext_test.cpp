// Reading decimal texts with "." as the separator.
#include <gtest/gtest.h>

#include "app/floattext.h"

namespace tabrin::app {
namespace {

TEST(FloatText, ReadsWholeDecimalNumbersOnly) {
    EXPECT_EQ(toFloat("1.5"), 1.5);
    EXPECT_EQ(toFloat("0.5"), 0.5);
    EXPECT_EQ(toFloat("-2e1"), -20);
    EXPECT_EQ(toFloat("1,5"), std::nullopt);
    EXPECT_EQ(toFloat(""), std::nullopt);
    EXPECT_FALSE(toFloat("0,5"));
    EXPECT_FALSE(toFloat(" 1"));
    EXPECT_FALSE(toFloat("nan"));
    EXPECT_FALSE(toFloat("1e999"));
}

TEST(FloatText, WritesGeneralNotationWithFifteenDigits) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.5, "0.5"},
        {2048, "2048"},
        {-0.25, "-0.25"},
        {0, "0"},
        {-0.0, "0"},
        {0.1f, "0.100000001490116"},  // a single-precision value shows its binary nature
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {0.0001, "0.0001"},
        {1.0 / 3.0, "0.333333333333333"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(generalText(row.value), row.text);
    }
}

}  // namespace
}  // namespace tabrin::app
