// The one-line cell editor laid over a cell of the dictionary table: it takes the keys its column
// allows, applies with Enter and closes on Escape or when the focus leaves it.
#include "ui/celleditor.h"

#include <QKeyEvent>

#include "editing/fieldeditors.h"

namespace tabrin::ui {

CellEditor::CellEditor(int column, const QString& text, const QRect& cell, QWidget* viewport)
    : QLineEdit(text, viewport), m_column(column) {
    setObjectName(QStringLiteral("CellEditor"));
    setGeometry(cell);
    show();
    setFocus();
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        close(event->key() != Qt::Key_Escape, true);
        return;
    }
    // Keys that type a character pass the column's filter; the others (arrows, Home…) edit as usual.
    const QString typed = event->text();
    if (typed.size() != 1 || (!typed.front().isPrint() && typed.front() != QLatin1Char('\b'))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char16_t key = typed.front().unicode();
    // A letter beyond ASCII is no hex digit; a column that takes every key takes it too.
    const char probe = key < 0x80 ? static_cast<char>(key) : 'g';
    const std::optional<char> accepted = editing::typedCellKey(m_column, probe);
    if (!accepted) return;
    if (key >= 0x80 || *accepted == probe) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    insert(QString(QChar(*accepted)));
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu of the table works on the editor's text, which stays open meanwhile.
    if (event->reason() != Qt::PopupFocusReason) close(false, false);
}

void CellEditor::close(bool apply, bool focusTable) {
    if (m_closing) return;
    m_closing = true;
    // The table takes the focus back before the editor hides, which would otherwise pass it on as
    // Tab does and move the table's current cell.
    if (focusTable) parentWidget()->parentWidget()->setFocus();
    hide();
    if (apply) emit applied(text());
    emit closed();
    deleteLater();
}

}  // namespace tabrin::ui
