// The event log and the texts of dates and times.
#include <gtest/gtest.h>

#include <ctime>

#include "app/eventlog.h"
#include "support/scopedenvironment.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::app {
namespace {

using std::chrono::system_clock;

system_clock::time_point localTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return system_clock::from_time_t(std::mktime(&local));
}

TEST(EventLog, EachEntryReachesTheFileAtOnce) {
    test::TempFolder folder;
    const auto path = folder.path() / "Tabrin4.log";
    EventLog log([] { return localTime(2024, 3, 5, 7, 8, 9) + std::chrono::milliseconds(999); });
    ASSERT_TRUE(log.open(path));
    EXPECT_TRUE(log.isOpen());

    log.writeLog("Profile saved to file: /home/a.xml");
    EXPECT_EQ(test::readFile(path), "2024-03-05 07:08:09: Profile saved to file: /home/a.xml\r\n");

    log.writeLog(test::w("Format of object #3 [2000h.01h] changed to:\r\n\tБит 0"));
    EXPECT_EQ(test::readFile(path), "2024-03-05 07:08:09: Profile saved to file: /home/a.xml\r\n"
                                    "2024-03-05 07:08:09: Format of object #3 [2000h.01h] changed to:\r\n\t" +
                                        test::w("Бит 0") + "\r\n");
}

// Another run of the program writes into the same file: neither run's entries overwrite the other's.
TEST(EventLog, TwoLogsOnOneFileAddTheirEntriesAtItsEnd) {
    test::TempFolder folder;
    const auto path = folder.path() / "Tabrin4.log";
    test::writeFile(path, "entry of the first run\r\n");
    const TimeSource clock = [] { return localTime(2024, 3, 5, 7, 8, 9); };
    EventLog first(clock);
    EventLog second(clock);
    ASSERT_TRUE(first.open(path));
    ASSERT_TRUE(second.open(path));
    first.writeLog("a");
    second.writeLog("b");
    first.writeLog("c");
    EXPECT_EQ(test::readFile(path), "entry of the first run\r\n2024-03-05 07:08:09: a\r\n"
                                    "2024-03-05 07:08:09: b\r\n2024-03-05 07:08:09: c\r\n");
}

TEST(EventLog, ClosedLogWritesNothing) {
    test::TempFolder folder;
    EventLog missingFolder;
    EXPECT_FALSE(missingFolder.open(folder.path() / "Log" / "Tabrin4.log"));
    EXPECT_FALSE(missingFolder.isOpen());
    missingFolder.writeLog("lost");

    const auto path = folder.path() / "Tabrin4.log";
    EventLog closed;
    ASSERT_TRUE(closed.open(path));
    closed.close();
    EXPECT_FALSE(closed.isOpen());
    closed.writeLog("lost");
    EXPECT_EQ(test::readFile(path), "");
}

TEST(DateTimeText, DayMonthYearAndTwentyFourHourTime) {
    struct Row { const char* name; system_clock::time_point time; const char* expected; };
    const Row rows[] = {
        {"single digits padded", localTime(2024, 3, 5, 7, 8, 9), "05.03.2024 07:08:09"},
        {"afternoon", localTime(1999, 12, 31, 23, 59, 59), "31.12.1999 23:59:59"},
        {"midnight", localTime(2025, 1, 1, 0, 0, 0), "01.01.2025 00:00:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(dateTimeText(row.time), row.expected);
    }
}

TEST(CurrentTime, SourceDateEpochFixesTheInstant) {
    {
        test::ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1700000000");
        EXPECT_EQ(currentTime(), system_clock::from_time_t(1700000000));
    }
    for (const char* value : {static_cast<const char*>(nullptr), "", "1700000000x", "soon", "99999999999999999999"}) {
        SCOPED_TRACE(value == nullptr ? "unset" : value);
        test::ScopedEnvironment epoch("SOURCE_DATE_EPOCH", value);
        const auto before = system_clock::now();
        const auto now = currentTime();
        EXPECT_GE(now, before);
        EXPECT_LE(now, system_clock::now());
    }
}

}  // namespace
}  // namespace tabrin::app
