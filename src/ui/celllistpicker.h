// A drop-down list laid over a table cell and dropped down at once, as the group picker of the
// dictionary table and the lists of the scale page: it closes when an item is chosen or the list
// is closed.
#pragma once

#include <QComboBox>

namespace tabrin::ui {

class CellListPicker : public QComboBox {
    Q_OBJECT

public:
    /// A list named `name` of `items` with `current` chosen (-1: none), over `cell` of `parent`.
    CellListPicker(const char* name, const QStringList& items, int current, const QRect& cell, QWidget* parent);

    void hidePopup() override;

signals:
    /// The list closed, an item chosen or not; the picker goes once control returns to the event loop.
    void closed();

private:
    bool m_closing = false;
};

}  // namespace tabrin::ui
