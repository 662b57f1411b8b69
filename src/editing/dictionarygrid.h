// The dictionary grid as a page: its filters and display mode, the rows they show, the selection
// kept by object number across fills, and the rules of its clicks and scrolling.
#pragma once

#include <optional>
#include <vector>

#include "app/language.h"
#include "app/messageport.h"
#include "editing/dictionarytable.h"

namespace tabrin::editing {

/// The column of group names, whose selection opens the group picker.
inline constexpr int kGroupColumn = 8;

/// What a fill reads besides the grid's own state.
struct GridSources {
    model::Profile& profile;
    const bases::TextBase& texts;
    const bases::SetBase& sets;
    app::Language language;
    app::Translator& translator;
};

class DictionaryGrid {
public:
    DictionaryFilters filters;
    ValueDisplayMode displayMode = ValueDisplayMode::AsStored;

    /// fillDictionaryGrid: the rows of the profile's current view that pass the filters. The
    /// selected row's object number is looked for among the new rows: the row showing it is
    /// selected, and when none does, nothing is.
    void fill(const GridSources& sources);
    /// No profile: no rows, nothing selected.
    void clear();

    /// The shown rows; a row's position here is its row in the table below the header.
    const std::vector<DictionaryRow>& rows() const { return m_rows; }
    /// The objects of the whole view at the last fill, filtered or not.
    int viewObjectCount() const { return m_viewObjectCount; }

    /// The user selected a cell of `row` (nothing: no data row). A data row's object number
    /// becomes the current number.
    void select(std::optional<int> row);
    std::optional<int> selectedRow() const { return m_selectedRow; }
    /// The object number of the row last selected; -1 before any selection.
    int currentNumber() const { return m_currentNumber; }

    /// The jump of the group list while the group filter is off: the first shown row whose
    /// object's `group` text is the decimal text of `position`.
    std::optional<int> groupRow(int position, const model::Profile& profile) const;

    /// Selecting a cell of the group column opens the group picker only for objects at subindex
    /// 00h; for any other row, the message that refuses it.
    std::optional<app::Message> groupColumnRefusal(int row, app::Translator& translator) const;

private:
    std::vector<DictionaryRow> m_rows;
    int m_viewObjectCount = 0;
    std::optional<int> m_selectedRow;
    int m_currentNumber = -1;
};

/// The first visible row once `selected` must be in sight: unchanged while the row lies within
/// the `visibleRows` rows from `firstVisible`, otherwise the selected row itself.
int firstVisibleRowShowing(int selected, int firstVisible, int visibleRows);

}  // namespace tabrin::editing
