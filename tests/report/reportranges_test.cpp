// The ranges typed into the report window: read into the options, or refused with a message that
// names the text.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "report/reportranges.h"
#include "support/utf8.h"

namespace tabrin::report {
namespace {

using test::w;

TEST(ReportRanges, TypedTextsBecomeTheRanges) {
    app::Translator translator;
    ReportOptions options;
    options.cNames = true;
    EXPECT_FALSE(readReportRanges({"1000", "2fff", "-1", "7"}, options, translator));
    EXPECT_EQ(options.startIndex, 0x1000u);
    EXPECT_EQ(options.endIndex, 0x2FFFu);
    EXPECT_EQ(options.startGroup, -1);
    EXPECT_EQ(options.endGroup, 7);
    EXPECT_TRUE(options.cNames);  // the switches stay as they were
}

TEST(ReportRanges, TextsThatDoNotReadAreNamed) {
    app::Translator translator;
    struct Row { const char* name; ReportRangeTexts texts; std::string message; };
    const Row rows[] = {
        {"index with a suffix", {"2500h", "FFFF", "-2", "255"}, w("'2500h' не является шестнадцатеричным индексом.")},
        {"empty end index", {"2500", "", "-2", "255"}, w("'' не является шестнадцатеричным индексом.")},
        {"index past 32 bits", {"2500", "100000000", "-2", "255"},
         w("'100000000' не является шестнадцатеричным индексом.")},
        {"hexadecimal group", {"2500", "FFFF", "1A", "255"}, w("'1A' не является номером группы.")},
        {"empty end group", {"2500", "FFFF", "-2", ""}, w("'' не является номером группы.")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ReportOptions options;
        const std::optional<app::Message> refused = readReportRanges(row.texts, options, translator);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->text, row.message);
        EXPECT_EQ(refused->caption, w("Ошибка"));
        EXPECT_EQ(options, ReportOptions());
    }
}

}  // namespace
}  // namespace tabrin::report
