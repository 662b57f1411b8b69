// The dictionary grid as a page: selection kept by object identity, group jumps, the group-column
// rule and where the table scrolls after a fill.
#include <gtest/gtest.h>

#include "app/cp1251.h"
#include "editing/dictionarygrid.h"
#include "sampledictionary.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

class Grid : public SampleDictionary {
protected:
    void fill() { m_grid.fill(m_profile, services()); }
    int selectedNumber() const { return m_grid.rows()[static_cast<std::size_t>(*m_grid.selectedRow())].number; }

    DictionaryGrid m_grid;
};

TEST_F(Grid, SelectionFollowsTheObjectNumberAcrossFills) {
    fill();
    m_grid.select(4);  // 3001h
    EXPECT_EQ(m_grid.currentNumber(), 4);

    m_grid.filters.rangeOn = true;
    m_grid.filters.rangeBegin = "3000";
    m_grid.filters.rangeEnd = "3FFF";
    fill();
    ASSERT_EQ(m_grid.rows().size(), 2u);
    ASSERT_TRUE(m_grid.selectedRow());
    EXPECT_EQ(*m_grid.selectedRow(), 1);
    EXPECT_EQ(selectedNumber(), 4);

    // Filtered out: nothing is selected, and nothing comes back when the filter is lifted.
    m_grid.filters.rangeBegin = "4000";
    m_grid.filters.rangeEnd = "4FFF";
    fill();
    EXPECT_TRUE(m_grid.rows().empty());
    EXPECT_FALSE(m_grid.selectedRow());
    m_grid.filters.rangeOn = false;
    fill();
    EXPECT_FALSE(m_grid.selectedRow());
    EXPECT_EQ(m_grid.currentNumber(), 4);
}

TEST_F(Grid, SelectingNoDataRowKeepsTheCurrentNumber) {
    fill();
    m_grid.select(4);
    m_grid.select(std::nullopt);
    EXPECT_FALSE(m_grid.selectedRow());
    m_grid.select(99);  // past the rows
    EXPECT_FALSE(m_grid.selectedRow());
    EXPECT_EQ(m_grid.currentNumber(), 4);
    fill();
    EXPECT_FALSE(m_grid.selectedRow());
}

TEST_F(Grid, ObjectCountCoversTheWholeViewEvenWhenFiltered) {
    m_grid.filters.rangeOn = true;
    m_grid.filters.rangeBegin = "3001";
    m_grid.filters.rangeEnd = "3001";
    fill();
    EXPECT_EQ(m_grid.rows().size(), 1u);
    EXPECT_EQ(m_grid.viewObjectCount(), 5);
    m_grid.clear();
    EXPECT_TRUE(m_grid.rows().empty());
    EXPECT_EQ(m_grid.viewObjectCount(), 0);
}

TEST_F(Grid, GroupJumpFindsTheShownRowOfTheFirstObjectInTheGroup) {
    struct Row { const char* name; bool rangeOn; int group; std::optional<int> row; };
    const Row rows[] = {
        {"root of the group, members follow it", false, 1, 0},
        {"group number past the enumeration", false, 9, 4},
        {"no object in the group", false, 7, std::nullopt},
        // 3001h is at view position 4 but on the second row when the range starts at 3000h.
        {"row among the filtered rows", true, 9, 1},
        {"group only outside the range", true, 1, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_grid.filters.rangeOn = row.rangeOn;
        m_grid.filters.rangeBegin = "3000";
        m_grid.filters.rangeEnd = "3FFF";
        fill();
        EXPECT_EQ(m_grid.groupRow(row.group, m_profile), row.row);
    }
}

TEST_F(Grid, GroupColumnOpensOnlyForSubindex00h) {
    fill();
    EXPECT_FALSE(m_grid.groupColumnRefusal(0, m_translator));  // the root 1018h.00h
    EXPECT_FALSE(m_grid.groupColumnRefusal(3, m_translator));  // the single object 3000h.00h
    const std::optional<app::Message> refused = m_grid.groupColumnRefusal(1, m_translator);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->caption, w("Ошибка"));
    EXPECT_EQ(refused->text,
              w("Группу можно выбирать только для корневых или единичных элементов (у которых подындекс 00h)."));
    EXPECT_EQ(refused->icon, app::MessageIcon::Warning);
}

TEST(FirstVisibleRow, ScrollsOnlyWhenTheSelectedRowIsOutOfSight) {
    struct Row { const char* name; int selected; int expected; };
    // Rows 10 to 19 are in sight.
    const Row rows[] = {
        {"above the visible rows", 4, 4},
        {"first visible row", 10, 10},
        {"last visible row", 19, 10},
        {"first row past the visible rows", 20, 20},
        {"far below", 500, 500},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(firstVisibleRowShowing(row.selected, 10, 10), row.expected);
    }
}

TEST(FirstVisibleRow, AfterAChangeATableAtItsEndStaysThere) {
    struct Row { const char* name; int first; bool atEnd; int rows; int expected; };
    // Ten rows are in sight.
    const Row rows[] = {
        {"not at the end", 30, false, 35, 30},
        {"at the end, rows added", 30, true, 45, 35},
        {"at the end, rows removed", 30, true, 38, 28},
        {"fewer rows than fit", 30, true, 4, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(restoredFirstVisibleRow(row.first, row.atEnd, row.rows, 10), row.expected);
    }
}

}  // namespace
}  // namespace tabrin::editing
