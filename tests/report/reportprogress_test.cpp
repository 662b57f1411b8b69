// How the report window shows a run's progress: percent done and the time left.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "report/reportprogress.h"
#include "support/utf8.h"

namespace tabrin::report {
namespace {

using namespace std::chrono_literals;

TEST(ReportProgress, PercentAndTimeLeft) {
    struct Case {
        const char* name;
        ReportProgress progress;
        int percent;
        const char* timeLeft;
    };
    const Case cases[] = {
        {"half done", {5, 10, 10s}, 50, "00 ч 00 мин 10 сек"},
        {"percent rounds down", {1, 3, 1s}, 33, "00 ч 00 мин 02 сек"},
        {"hours, minutes, seconds", {1, 3600, 1s}, 0, "00 ч 59 мин 59 сек"},
        {"more than a day", {1, 100000, 1s}, 0, "27 ч 46 мин 39 сек"},
        {"milliseconds count", {1, 3, 1500ms}, 33, "00 ч 00 мин 03 сек"},
        {"all done", {7, 7, 1h}, 100, "00 ч 00 мин 00 сек"},
    };
    app::Translator russian;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ProgressDisplay> display = progressDisplay(c.progress, russian);
        ASSERT_TRUE(display);
        EXPECT_EQ(display->percent, c.percent);
        EXPECT_EQ(display->percentText, std::to_string(c.percent) + " %");
        EXPECT_EQ(cp1251::toUtf8(display->timeLeft), c.timeLeft);
    }
}

TEST(ReportProgress, NothingShownBeforeTheFirstRowOrWithoutRows) {
    app::Translator russian;
    EXPECT_FALSE(progressDisplay({0, 10, 5s}, russian));
    EXPECT_FALSE(progressDisplay({0, 0, 5s}, russian));
}

}  // namespace
}  // namespace tabrin::report
