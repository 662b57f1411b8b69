// The dictionary table StringGridProf: a table view that scrolls one row per wheel notch and
// extends its selection only while Shift is held.
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

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_wheelRemainder = 0;  // eighths of a degree not yet turned into rows
};

}  // namespace tabrin::ui
