// Column widths that show what the columns hold: the header texts in full and, where asked, the
// cells' texts.
#pragma once

#include <QStringList>

#include <span>

class QTableView;

namespace tabrin::ui {

/// The width column `column` of `view` needs to show its header text in full, in bold as the
/// header of the current cell's column is painted, and with `cells` also the text of every cell.
int fittingWidth(const QTableView* view, int column, bool cells = false);

/// The width a column of `view` needs to show each of `texts` in a cell, such as the items a
/// list column chooses from.
int fittingWidth(const QTableView* view, const QStringList& texts);

/// Gives the columns of `view` the `widths` (0 hides a column), each shown column at least as
/// wide as its header text needs. The widest column gives back what the others gained, so that
/// columns that filled the table still fill it.
void setColumnWidths(QTableView* view, std::span<const int> widths);

}  // namespace tabrin::ui
