// Messages made from patterns: placeholders filled in order, and patterns that do not fit their values.
#include <gtest/gtest.h>

#include "app/formattext.h"

namespace tabrin::app {
namespace {

TEST(FormatText, FillsPlaceholdersInOrder) {
    struct Row {
        const char* name;
        std::string pattern;
        std::string expected;
    };
    const Row rows[] = {
        {"text and number", "object %s, number %d.", "object 2600h.01h, number 7."},
        {"a percent sign", "%s: 100%% %d", "2600h.01h: 100% 7"},
        {"more placeholders than values", "%s %d %s", "2600h.01h 7 %s"},
        {"other sequences untouched", "%x %", "%x %"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(formatText(row.pattern, {"2600h.01h", "7"}), row.expected);
    }
}

}  // namespace
}  // namespace tabrin::app
