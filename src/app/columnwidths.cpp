// Column widths of the grids that show a Russian and an English text column side by side: an
// English interface hides the Russian column, and a switch back to Russian shows it again.
#include "app/columnwidths.h"

#include <algorithm>
#include <climits>

namespace tabrin::app {
namespace {

// The widths come from a file that anyone may edit: their sum must not overflow.
long long sum(int first, int second) { return static_cast<long long>(first) + second; }

int clampedToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

void hideRussianColumn(std::span<int> widths, std::size_t russianColumn, std::size_t englishColumn) {
    widths[englishColumn] = clampedToInt(sum(widths[russianColumn], widths[englishColumn]));
    widths[russianColumn] = 0;
}

void shareColumnWidth(std::span<int> widths, std::size_t first, std::size_t second) {
    const int half = static_cast<int>(sum(widths[first], widths[second]) / 2);
    widths[first] = half;
    widths[second] = half;
}

ProfColumnWidths shownProfColumnWidths(ProfColumnWidths stored, bool englishInterface) {
    if (englishInterface) hideRussianColumn(stored, profRussianNameColumn, profEnglishNameColumn);
    return stored;
}

ProfColumnWidths widenedDefaultProfColumnWidths(const ProfColumnWidths& stored, ProfColumnWidths shown,
                                                const ProfColumnWidths& needs) {
    for (std::size_t column = 0; column < shown.size(); ++column) {
        if (stored[column] == defaultProfColumnWidths[column] && shown[column] > 0)
            shown[column] = std::max(shown[column], needs[column]);
    }
    return shown;
}

ProfColumnWidths storedProfColumnWidths(ProfColumnWidths shown, bool startedInEnglish, bool englishInterface) {
    if (startedInEnglish && !englishInterface) shareColumnWidth(shown, profRussianNameColumn, profEnglishNameColumn);
    return shown;
}

ChooseTextColumnWidths shownChooseTextColumnWidths(ChooseTextColumnWidths stored, bool englishInterface) {
    if (englishInterface) hideRussianColumn(stored, chooseTextRussianColumn, chooseTextEnglishColumn);
    return stored;
}

ChooseTextColumnWidths storedChooseTextColumnWidths(ChooseTextColumnWidths shown) {
    shareColumnWidth(shown, chooseTextRussianColumn, chooseTextEnglishColumn);
    return shown;
}

}  // namespace tabrin::app
