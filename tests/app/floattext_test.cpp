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

}  // namespace
}  // namespace tabrin::app
