// The recent-profiles list: the opened path first, the limit, duplicates and relative paths.
#include <gtest/gtest.h>

#include "app/recentprofiles.h"
#include "support/tempfolder.h"

namespace tabrin::app {
namespace {

namespace fs = std::filesystem;

TEST(RecentProfiles, OpenedPathGoesFirst) {
    struct Row {
        const char* name;
        std::vector<std::string> before;  // absolute paths below /home/program
        std::string opened;
        int limit;
        std::vector<std::string> after;
    };
    const Row rows[] = {
        {"into an empty list", {}, "a.xml", 10, {"a.xml"}},
        {"a new path", {"a.xml", "b.xml"}, "c.xml", 10, {"c.xml", "a.xml", "b.xml"}},
        {"a known path moves up", {"a.xml", "b.xml", "c.xml"}, "c.xml", 10, {"c.xml", "a.xml", "b.xml"}},
        {"cut to the limit", {"a.xml", "b.xml", "c.xml"}, "d.xml", 3, {"d.xml", "a.xml", "b.xml"}},
        {"a limit below one keeps the opened path", {"a.xml"}, "b.xml", 0, {"b.xml"}},
        {"later duplicates dropped before the cut",
         {"a.xml", "a.xml", "b.xml"},
         "c.xml",
         3,
         {"c.xml", "a.xml", "b.xml"}},
    };
    const fs::path program = "/home/program";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<TPathRelAbs> list;
        for (const std::string& name : row.before) list.push_back({"old/" + name, "/home/program/p/" + name});
        putRecentProfileFirst(list, "/home/program/p/" + row.opened, program, row.limit);
        std::vector<TPathRelAbs> expected;
        for (const std::string& name : row.after) expected.push_back({"p/" + name, "/home/program/p/" + name});
        EXPECT_EQ(list, expected);
    }
}

TEST(RecentProfiles, PathsOutsideTheProgramFolderClimbOutOfIt) {
    std::vector<TPathRelAbs> list;
    putRecentProfileFirst(list, "/srv/profiles/a.xml", "/home/program", 10);
    EXPECT_EQ(list, (std::vector<TPathRelAbs>{{"../../srv/profiles/a.xml", "/srv/profiles/a.xml"}}));
}

TEST(RecentProfiles, CaptionIsTheFileTheEntryNamesNow) {
    const test::TempFolder program;
    test::writeFile(program.path() / "moved" / "a.xml", "<root/>");
    const std::string moved = (program.path() / "moved" / "a.xml").string();
    EXPECT_EQ(recentProfilePath(program.path(), {"moved/a.xml", "/elsewhere/a.xml"}), moved);
    EXPECT_EQ(recentProfilePath(program.path(), {"gone.xml", "/elsewhere/gone.xml"}), "/elsewhere/gone.xml");
}

}  // namespace
}  // namespace tabrin::app
