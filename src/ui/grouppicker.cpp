// The group picker: a drop-down list of the group enumeration laid over a group cell of the
// dictionary table, dropped down at once; it closes when an item is chosen or the list is closed.
#include "ui/grouppicker.h"

#include <QTimer>

namespace tabrin::ui {

GroupPicker::GroupPicker(const QStringList& groups, int current, const QRect& cell, QWidget* viewport)
    : QComboBox(viewport) {
    setObjectName(QStringLiteral("GroupPicker"));
    addItems(groups);
    setCurrentIndex(current);
    setGeometry(cell);
    show();
    setFocus();
    // Dropped down once the table has finished the selection that opened it.
    QTimer::singleShot(0, this, [this] {
        if (!m_closing) showPopup();
    });
}

void GroupPicker::hidePopup() {
    QComboBox::hidePopup();
    if (m_closing) return;
    m_closing = true;
    // The choice, if any, is told after the list hides.
    QTimer::singleShot(0, this, [this] {
        emit closed();
        deleteLater();
    });
}

}  // namespace tabrin::ui
