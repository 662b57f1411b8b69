// The dictionary table StringGridProf: a table view that scrolls one row per wheel notch, selects
// a range of rows only while Shift is held (never by a header click), tracks the row under the
// mouse, makes the copies of Alt and Ctrl clicks, drags rows by their number cell and looks the
// same while disabled.
#include "ui/dictionarygridview.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>

#include <algorithm>
#include <utility>

#include "ui/rowwheel.h"

namespace tabrin::ui {
namespace {

constexpr int kRowHeight = 18;
// The stored column widths were made for a small grid font; larger text would be cut in most columns.
constexpr int kFontPointSize = 8;
constexpr int kNumberColumn = 0;

}  // namespace

DictionaryGridView::DictionaryGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("StringGridProf"));
    // Shift+click selects a range of rows; a plain click selects one cell.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    RowWheel::install(this);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // Text wider than its column is cut at the column's edge, as the grid always showed it.
    setTextElideMode(Qt::ElideNone);
    QFont small = font();
    small.setPointSize(kFontPointSize);
    setFont(small);
    setMouseTracking(true);
    // Column 0 shows the object number; the table needs no row header of its own.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setHighlightSections(false);
    // A header click sorts nothing and selects nothing: several rows are selected only with Shift.
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    setCornerButtonEnabled(false);
    keepLookWhileDisabled();
    // Headers start at the left edge like the cells, so a narrow column shows the start of its name.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// The table is disabled while a cell picker lies over it; the disabled colours would grey its
// texts out and make it look broken meanwhile.
void DictionaryGridView::keepLookWhileDisabled() {
    QPalette kept = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        kept.setBrush(QPalette::Disabled, colorRole, kept.brush(QPalette::Active, colorRole));
    }
    setPalette(kept);
}

int DictionaryGridView::firstVisibleRow() const { return std::max(0, rowAt(0)); }

int DictionaryGridView::visibleRowCount() const {
    return std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize());
}

void DictionaryGridView::scrollToFirstRow(int row) {
    // A fill lays the rows out later; the scroll range must fit the new rows first.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(row);
}

void DictionaryGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    m_mouseRow = index.isValid() ? index.row() : -1;
    if (index.isValid() && event->button() == Qt::LeftButton) {
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        const bool alt = modifiers.testFlag(Qt::AltModifier);
        const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
        if (index.column() != kNumberColumn && (alt || ctrl)) {
            emit copyClicked(index.row(), alt, ctrl);
            event->accept();
            return;
        }
        if (index.column() == kNumberColumn && !modifiers.testFlag(Qt::ShiftModifier)) {
            if (!m_rowDragging) {
                emit dragRefused();
                event->accept();
                return;
            }
            m_draggedRow = index.row();
        }
    }
    QTableView::mousePressEvent(event);
}

void DictionaryGridView::mouseMoveEvent(QMouseEvent* event) {
    m_mouseRow = rowAt(event->position().toPoint().y());
    // A plain drag neither selects a range nor moves the current cell: ranges need Shift, and a
    // drag from the number cell moves a row.
    if (event->buttons() != Qt::NoButton && !event->modifiers().testFlag(Qt::ShiftModifier)) {
        if (m_draggedRow >= 0) viewport()->setCursor(Qt::DragMoveCursor);
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void DictionaryGridView::mouseReleaseEvent(QMouseEvent* event) {
    const int from = std::exchange(m_draggedRow, -1);
    viewport()->unsetCursor();
    QTableView::mouseReleaseEvent(event);
    const int to = rowAt(event->position().toPoint().y());
    if (from >= 0 && to >= 0 && to != from) emit rowDragged(from, to);
}

}  // namespace tabrin::ui
