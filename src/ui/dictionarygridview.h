// The dictionary table StringGridProf: a table view that scrolls one row per wheel notch, selects
// a range of rows only while Shift is held (never by a header click), tracks the row under the
// mouse, makes the copies of Alt and Ctrl clicks, drags rows by their number cell and looks the
// same while disabled.
#pragma once

#include <QTableView>

namespace tabrin::ui {

class DictionaryGridView : public QTableView {
    Q_OBJECT

public:
    explicit DictionaryGridView(QWidget* parent = nullptr);

    /// The first data row in sight, counted from 0.
    int firstVisibleRow() const;
    /// How many rows the viewport shows whole (at least 1).
    int visibleRowCount() const;
    /// Scrolls so that `row` is the first one in sight, as far as the scroll range goes.
    void scrollToFirstRow(int row);
    /// The data row the mouse pointer was last over; -1 when that was no row.
    int mouseRow() const { return m_mouseRow; }
    /// Whether rows may be dragged by their number cell; a press there is refused otherwise.
    void setRowDragging(bool allowed) { m_rowDragging = allowed; }

signals:
    /// A press with Alt (index) or Ctrl (subindex) held on a data cell outside the number column.
    void copyClicked(int row, bool indexIncrement, bool subindexIncrement);
    /// The row dragged by its number cell was dropped on the row `to`.
    void rowDragged(int from, int to);
    /// A press on a number cell while dragging is not allowed.
    void dragRefused();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void keepLookWhileDisabled();

    int m_mouseRow = -1;
    bool m_rowDragging = true;
    int m_draggedRow = -1;
};

}  // namespace tabrin::ui
