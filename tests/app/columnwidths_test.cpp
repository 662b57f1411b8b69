// The Russian and English columns of the grids: hidden in English, shown again after a switch.
#include <gtest/gtest.h>

#include <climits>

#include "app/columnwidths.h"

namespace tabrin::app {
namespace {

TEST(ColumnWidths, HideAndShareTwoColumns) {
    struct Row { const char* name; std::array<int, 3> widths; std::array<int, 3> hidden; std::array<int, 3> shared; };
    const Row rows[] = {
        {"even sum", {46, 229, 229}, {46, 0, 458}, {46, 229, 229}},
        {"odd sum rounds down", {46, 236, 139}, {46, 0, 375}, {46, 187, 187}},
        {"negative sum rounds toward zero", {46, -3, 0}, {46, 0, -3}, {46, -1, -1}},
        {"sum beyond int", {46, INT_MAX, 10}, {46, 0, INT_MAX}, {46, INT_MAX / 2 + 5, INT_MAX / 2 + 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::array<int, 3> hidden = row.widths;
        hideRussianColumn(hidden, 1, 2);
        EXPECT_EQ(hidden, row.hidden);
        std::array<int, 3> shared = row.widths;
        shareColumnWidth(shared, 1, 2);
        EXPECT_EQ(shared, row.shared);
    }
}

const ProfColumnWidths stored = {34, 58, 31, 236, 140, 86, 140, 194, 78, 83, 55, 53, 270, 242};

TEST(ProfColumnWidths, EnglishInterfaceHidesTheRussianName) {
    EXPECT_EQ(shownProfColumnWidths(stored, false), stored);
    EXPECT_EQ(shownProfColumnWidths(stored, true),
              (ProfColumnWidths{34, 58, 31, 0, 376, 86, 140, 194, 78, 83, 55, 53, 270, 242}));
}

TEST(ProfColumnWidths, OnlyASwitchFromEnglishToRussianSharesTheNameWidth) {
    const ProfColumnWidths shownInEnglish = shownProfColumnWidths(stored, true);
    struct Row { const char* name; bool startedInEnglish; bool englishInterface; ProfColumnWidths expected; };
    const Row rows[] = {
        {"English to Russian", true, false, {34, 58, 31, 188, 188, 86, 140, 194, 78, 83, 55, 53, 270, 242}},
        {"English throughout", true, true, shownInEnglish},
        {"Russian to English", false, true, shownInEnglish},
        {"Russian throughout", false, false, shownInEnglish},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(storedProfColumnWidths(shownInEnglish, row.startedInEnglish, row.englishInterface), row.expected);
    }
}

TEST(ProfColumnWidths, OnlyDefaultWidthsAreWidenedToWhatTheColumnsNeed) {
    const ProfColumnWidths needs = {20, 40, 75, 130, 130, 70, 190, 50, 60, 100, 40, 40, 100, 70};
    ProfColumnWidths chosen = defaultProfColumnWidths;
    chosen[2] = 40;   // narrower than it needs: the user's choice
    chosen[6] = 141;  // one pixel from the default is the user's too
    struct Row { const char* name; ProfColumnWidths stored; bool english; ProfColumnWidths expected; };
    const Row rows[] = {
        {"defaults", defaultProfColumnWidths, false, {34, 58, 75, 236, 140, 86, 190, 194, 78, 100, 55, 53, 270, 242}},
        {"the hidden Russian name stays hidden", defaultProfColumnWidths, true,
         {34, 58, 75, 0, 376, 86, 190, 194, 78, 100, 55, 53, 270, 242}},
        {"chosen widths", chosen, false, {34, 58, 40, 236, 140, 86, 141, 194, 78, 100, 55, 53, 270, 242}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(widenedDefaultProfColumnWidths(row.stored, shownProfColumnWidths(row.stored, row.english), needs),
                  row.expected);
    }
}

TEST(ChooseTextColumnWidths, EnglishHidesTheRussianTextAndClosingSharesBoth) {
    const ChooseTextColumnWidths defaults = {46, 229, 229, 116, 200, 100};
    EXPECT_EQ(shownChooseTextColumnWidths(defaults, false), defaults);
    EXPECT_EQ(shownChooseTextColumnWidths(defaults, true), (ChooseTextColumnWidths{46, 0, 458, 116, 200, 100}));
    EXPECT_EQ(storedChooseTextColumnWidths({50, 100, 301, 116, 200, 100}),
              (ChooseTextColumnWidths{50, 200, 200, 116, 200, 100}));
}

}  // namespace
}  // namespace tabrin::app
