// The group picker: a drop-down list of the group enumeration laid over a group cell of the
// dictionary table, dropped down at once; it closes when an item is chosen or the list is closed.
#pragma once

#include <QComboBox>

namespace tabrin::ui {

class GroupPicker : public QComboBox {
    Q_OBJECT

public:
    /// The items `groups` with `current` chosen, over `cell` of `viewport`.
    GroupPicker(const QStringList& groups, int current, const QRect& cell, QWidget* viewport);

    void hidePopup() override;

signals:
    /// The list closed, an item chosen or not; the picker goes once control returns to the event loop.
    void closed();

private:
    bool m_closing = false;
};

}  // namespace tabrin::ui
