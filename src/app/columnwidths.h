// Column widths of the grids that show a Russian and an English text column side by side: an
// English interface hides the Russian column, and a switch back to Russian shows it again.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace tabrin::app {

/// Widths of the columns 0 to 13 of the dictionary grid StringGridProf.
using ProfColumnWidths = std::array<int, 14>;

/// Widths of the columns 0 to 5 of the text picker grid.
using ChooseTextColumnWidths = std::array<int, 6>;

/// The widths of a fresh installation.
inline constexpr ProfColumnWidths defaultProfColumnWidths = {
    34, 58, 31, 236, 140, 86, 140, 194, 78, 83, 55, 53, 270, 242};
inline constexpr ChooseTextColumnWidths defaultChooseTextColumnWidths = {46, 229, 229, 116, 200, 100};

/// The columns of StringGridProf with the long Russian and the long English name.
inline constexpr std::size_t profRussianNameColumn = 3;
inline constexpr std::size_t profEnglishNameColumn = 4;
/// The columns of the text picker grid with the long Russian and the long English text.
inline constexpr std::size_t chooseTextRussianColumn = 1;
inline constexpr std::size_t chooseTextEnglishColumn = 2;

/// Hides the Russian column: the English column takes the width of both, the Russian one gets 0.
void hideRussianColumn(std::span<int> widths, std::size_t russianColumn, std::size_t englishColumn);

/// Gives both columns half of their summed width, rounded toward zero.
void shareColumnWidth(std::span<int> widths, std::size_t first, std::size_t second);

/// The widths StringGridProf shows for the stored ones: an English interface hides the Russian name.
ProfColumnWidths shownProfColumnWidths(ProfColumnWidths stored, bool englishInterface);

/// `shown`, the widths StringGridProf shows for `stored`, with each column whose stored width is
/// still the default widened to the width it `needs` (for its header and its texts on this
/// screen): the default width is the program's choice, any other the user's, which stays. A
/// hidden column stays hidden.
ProfColumnWidths widenedDefaultProfColumnWidths(const ProfColumnWidths& stored, ProfColumnWidths shown,
                                                const ProfColumnWidths& needs);

/// The widths to store for the ones StringGridProf shows. When the program started in English and
/// the interface is now Russian, the two name columns share the width, so that the hidden Russian
/// name column reappears at the next start.
ProfColumnWidths storedProfColumnWidths(ProfColumnWidths shown, bool startedInEnglish, bool englishInterface);

/// The widths the text picker shows for the stored ones: an English interface hides the Russian text.
ChooseTextColumnWidths shownChooseTextColumnWidths(ChooseTextColumnWidths stored, bool englishInterface);

/// The widths to store for the ones the text picker shows: its two long-text columns share their width.
ChooseTextColumnWidths storedChooseTextColumnWidths(ChooseTextColumnWidths shown);

}  // namespace tabrin::app
