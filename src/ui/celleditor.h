// The one-line cell editor laid over a cell of the dictionary table: it takes the keys its column
// allows, applies with Enter and closes on Escape or when the focus leaves it.
#pragma once

#include <QLineEdit>

namespace tabrin::ui {

class CellEditor : public QLineEdit {
    Q_OBJECT

public:
    /// An editor for `column` holding `text`, over `cell` of `viewport` (of a table view); it is shown
    /// with the focus, which goes back to the table when Enter or Escape closes the editor.
    CellEditor(int column, const QString& text, const QRect& cell, QWidget* viewport);

signals:
    /// Enter: the editor closes and its text is to be applied.
    void applied(const QString& text);
    /// The editor closed, applied or not.
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void close(bool apply, bool focusTable);

    int m_column;
    bool m_closing = false;
};

}  // namespace tabrin::ui
