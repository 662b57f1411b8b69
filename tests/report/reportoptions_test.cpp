// Index bounds as the report window and the command line take them.
#include <gtest/gtest.h>

#include "report/reportoptions.h"

namespace tabrin::report {
namespace {

TEST(ReportOptions, IndexBoundsAreHexadecimalDigitsOnly) {
    struct Case {
        const char* name;
        const char* text;
        std::optional<std::uint32_t> value;
    };
    const Case cases[] = {
        {"upper case", "2500", 0x2500},
        {"lower case", "ffff", 0xFFFF},
        {"32 bits", "FFFFFFFF", 0xFFFFFFFF},
        {"beyond 32 bits", "100000000", std::nullopt},
        {"empty", "", std::nullopt},
        {"sign", "-1", std::nullopt},
        {"C prefix", "0x10", std::nullopt},
        {"hex mark", "2500h", std::nullopt},
        {"blank inside", "25 00", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseIndexBound(c.text), c.value);
    }
}

}  // namespace
}  // namespace tabrin::report
