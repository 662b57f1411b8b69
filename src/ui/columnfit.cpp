// Column widths that show what the columns hold: the header texts in full and, where asked, the
// cells' texts.
#include "ui/columnfit.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <vector>

namespace tabrin::ui {
namespace {

int headerWidth(const QTableView* view, int column) {
    const QHeaderView* header = view->horizontalHeader();
    QFont bold = header->font();
    bold.setBold(true);
    const QString text = view->model()->headerData(column, Qt::Horizontal).toString();
    return QFontMetrics(bold).horizontalAdvance(text) +
           2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
}

}  // namespace

int fittingWidth(const QTableView* view, int column, bool cells) {
    const int header = headerWidth(view, column);
    // QTableView keeps its override protected; the view's own public one reaches it.
    const QAbstractItemView* cellsView = view;
    return cells ? std::max(header, cellsView->sizeHintForColumn(column)) : header;
}

int fittingWidth(const QTableView* view, const QStringList& texts) {
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    // A cell's text keeps a focus frame's margin and a pixel from each edge, and the grid takes one.
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    return widest + margins + (view->showGrid() ? 1 : 0);
}

void setColumnWidths(QTableView* view, std::span<const int> widths) {
    std::vector<int> shown(widths.begin(), widths.end());
    int gained = 0;
    for (std::size_t column = 0; column < shown.size(); ++column) {
        const int needed = fittingWidth(view, static_cast<int>(column));
        if (shown[column] > 0 && shown[column] < needed) {
            gained += needed - shown[column];
            shown[column] = needed;
        }
    }
    const auto widest = std::max_element(shown.begin(), shown.end());
    if (widest != shown.end()) {
        const int column = static_cast<int>(widest - shown.begin());
        *widest = std::max(*widest - gained, fittingWidth(view, column));
    }
    for (std::size_t column = 0; column < shown.size(); ++column)
        view->setColumnWidth(static_cast<int>(column), shown[column]);
}

}  // namespace tabrin::ui
