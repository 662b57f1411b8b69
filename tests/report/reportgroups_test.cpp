// Which groups the report includes, which rows they collect, and how they are numbered.
#include <gtest/gtest.h>

#include "bases/setbase.h"
#include "model/profilesettings.h"
#include "report/reportgroups.h"

namespace tabrin::report {
namespace {

ReportOptions with(void (*change)(ReportOptions&)) {
    ReportOptions options;
    change(options);
    return options;
}

TEST(ReportGroups, IncludedPositionsFollowTheRangeAndTheOutsideGroupSwitch) {
    const ReportOptions defaults;
    const ReportOptions outside = with([](ReportOptions& o) { o.outsideGroup = true; });
    const ReportOptions narrow = with([](ReportOptions& o) {
        o.startGroup = 1;
        o.endGroup = 2;
        o.outsideGroup = true;
    });
    struct Case {
        const char* name;
        const ReportOptions& options;
        int position;
        bool included;
    };
    const Case cases[] = {
        {"first position by default", defaults, 0, true},
        {"outside groups left out by default", defaults, 2, false},
        {"outside groups on request", outside, 2, true},
        {"last position of the default range", defaults, 257, true},
        {"beyond the default range", defaults, 258, false},
        {"below a range starting at group 1", narrow, 2, false},
        {"group 1 is position 3", narrow, 3, true},
        {"group 2 is position 4", narrow, 4, true},
        {"above the range", narrow, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(includesGroup(c.position, c.options), c.included);
    }
}

TEST(ReportGroups, OutsideGroupsCollectsRowsWithoutAUsableGroup) {
    struct Case {
        const char* name;
        const char* group;
        int position;
        bool belongs;
    };
    const Case cases[] = {
        {"own group", "3", 3, true},
        {"another group", "3", 4, false},
        {"a number belongs to its group only, even 2", "3", 2, false},
        {"group 2 itself", "2", 2, true},
        {"leading zero is the same number", "03", 3, true},
        {"empty group", "", 2, true},
        {"empty group is in no numbered group", "", 0, false},
        {"not a number", "abc", 2, true},
        {"negative", "-1", 2, true},
        {"negative is in no numbered group", "-1", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(belongsToGroup(c.group, c.position), c.belongs);
    }
}

TEST(ReportGroups, TitlesAndRowNumbers) {
    const ReportOptions defaults;
    const ReportOptions fromZero = with([](ReportOptions& o) { o.groupsFromZero = true; });
    struct Case {
        const char* name;
        const ReportOptions& options;
        int position;
        int row;
        const char* title;
        const char* number;
    };
    const Case cases[] = {
        {"position 3 is group 1", defaults, 3, 1, "1. Motor", "01.01"},
        {"numbers wider than two digits", defaults, 15, 123, "13. Motor", "13.123"},
        {"outside groups unnumbered", defaults, 2, 5, "Motor", "5"},
        {"first position unnumbered", defaults, 0, 2, "Motor", "2"},
        {"from zero: position 3 is group 3", fromZero, 3, 1, "3. Motor", "03.01"},
        {"from zero: first position numbered too", fromZero, 0, 7, "0. Motor", "00.07"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(groupTitle(c.position, "Motor", c.options), c.title);
        EXPECT_EQ(rowNumberText(c.position, c.row, c.options), c.number);
    }
}

TEST(ReportGroups, GroupEnumerationIsTheProfilesOrTheFirstOfTheBase) {
    bases::SetBase sets;
    model::ProfileSettings settings;
    settings.group_set = "20";
    EXPECT_EQ(groupEnumeration(settings, sets), nullptr);

    sets.elements().push_back({"5", {}, {}, {}});
    sets.elements().push_back({"20", {}, {}, {}});
    EXPECT_EQ(groupEnumeration(settings, sets), &sets.elements()[1]);
    settings.group_set = "21";
    EXPECT_EQ(groupEnumeration(settings, sets), &sets.elements()[0]);
    settings.group_set = "";
    EXPECT_EQ(groupEnumeration(settings, sets), &sets.elements()[0]);
}

}  // namespace
}  // namespace tabrin::report
