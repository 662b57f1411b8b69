// A drop-down list laid over a table cell and dropped down at once, as the group picker of the
// dictionary table and the lists of the scale page: it closes when an item is chosen or the list
// is closed.
#include "ui/celllistpicker.h"

#include <QTimer>

namespace tabrin::ui {

CellListPicker::CellListPicker(const char* name, const QStringList& items, int current, const QRect& cell,
                               QWidget* parent)
    : QComboBox(parent) {
    setObjectName(QString::fromLatin1(name));
    addItems(items);
    setCurrentIndex(current);
    setGeometry(cell);
    show();
    setFocus();
    // Dropped down once the table has finished the selection that opened it.
    QTimer::singleShot(0, this, [this] {
        if (!m_closing) showPopup();
    });
}

void CellListPicker::hidePopup() {
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
