// The dictionary grid as a page: its filters and display mode, the rows they show, the selection
// kept by object identity across fills, and the rules of its clicks and scrolling.
#pragma once

#include <optional>
#include <vector>

#include "app/language.h"
#include "app/messageport.h"
#include "editing/dictionarytable.h"
#include "model/services.h"

namespace tabrin::editing {

class DictionaryGrid {
public:
    DictionaryFilters filters;
    ValueDisplayMode displayMode = ValueDisplayMode::AsStored;

    /// fillDictionaryGrid: the rows of the profile's current view that pass the filters. The
    /// selected objects are looked for among the new rows: the rows showing them are selected, and
    /// the objects no row shows are selected no more.
    void fill(const model::Profile& profile, const model::Services& services);
    /// No profile: no rows, nothing selected.
    void clear();

    /// The shown rows; a row's position here is its row in the table below the header.
    const std::vector<DictionaryRow>& rows() const { return m_rows; }
    /// The objects of the whole view at the last fill, filtered or not.
    int viewObjectCount() const { return m_viewObjectCount; }

    /// The user selected a cell of `row` (nothing: no data row): the row is the selection and its
    /// object becomes the current object.
    void select(std::optional<int> row);
    /// The current cell moved to `row`: a data row's object becomes the current object.
    void setCurrent(std::optional<int> row);
    /// The selection of the table covers these rows; the current object stays.
    void selectRows(std::vector<int> rows);
    /// Selects these objects (after undo or redo): the rows that show them now, and after the next
    /// fill the rows that show them then.
    void selectObjects(std::vector<model::ObjectSerial> objects);
    /// The selected rows, top to bottom, and their objects.
    const std::vector<int>& selectedRows() const { return m_selectedRows; }
    const std::vector<model::ObjectSerial>& selectedObjects() const { return m_selectedObjects; }
    /// The top selected row.
    std::optional<int> selectedRow() const;
    /// The object of the row last selected; 0 before any selection.
    model::ObjectSerial currentObject() const { return m_currentObject; }
    /// The view position of the current object at the last fill or selection; -1 before any.
    int currentNumber() const { return m_currentNumber; }

    /// The row showing the object, if any.
    std::optional<int> rowOf(model::ObjectSerial object) const;

    /// The jump of the group list while the group filter is off: the first shown row whose
    /// object's `group` text is the decimal text of `position`.
    std::optional<int> groupRow(int position, const model::Profile& profile) const;

    /// Selecting a cell of the group column opens the group picker only for objects at subindex
    /// 00h; for any other row, the message that refuses it.
    std::optional<app::Message> groupColumnRefusal(int row, app::Translator& translator) const;

private:
    std::vector<DictionaryRow> m_rows;
    int m_viewObjectCount = 0;
    std::vector<model::ObjectSerial> m_selectedObjects;
    std::vector<int> m_selectedRows;
    model::ObjectSerial m_currentObject = 0;
    int m_currentNumber = -1;
};

/// The first visible row once `selected` must be in sight: unchanged while the row lies within
/// the `visibleRows` rows from `firstVisible`, otherwise the selected row itself.
int firstVisibleRowShowing(int selected, int firstVisible, int visibleRows);

/// The first visible row after a fill: the one before it, except that a table scrolled to its end
/// before (`wasAtEnd`) is scrolled to its new end, as far as `rowCount` and `visibleRows` reach.
int restoredFirstVisibleRow(int firstVisible, bool wasAtEnd, int rowCount, int visibleRows);

}  // namespace tabrin::editing
