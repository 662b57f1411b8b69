// The dictionary table StringGridProf: a table view that scrolls one row per wheel notch and
// extends its selection only while Shift is held.
#include "ui/dictionarygridview.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace tabrin::ui {
namespace {

constexpr int kNotch = 120;  // eighths of a degree per wheel notch
constexpr int kRowHeight = 18;
// The stored column widths were made for a small grid font; larger text would be cut in most columns.
constexpr int kFontPointSize = 8;

}  // namespace

DictionaryGridView::DictionaryGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("StringGridProf"));
    // Shift+click selects a range of rows; a plain click selects one cell.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
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
    // Headers start at the left edge like the cells, so a narrow column shows the start of its name.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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

void DictionaryGridView::wheelEvent(QWheelEvent* event) {
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / kNotch;
    m_wheelRemainder -= notches * kNotch;
    if (notches != 0) verticalScrollBar()->setValue(verticalScrollBar()->value() - notches);
    event->accept();
}

}  // namespace tabrin::ui
