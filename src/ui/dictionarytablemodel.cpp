// The dictionary grid's rows as a Qt table model: the cell texts, colours and bold roots the core
// gave at its last fill, read on demand.
#include "ui/dictionarytablemodel.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include "editing/dictionarygrid.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

constexpr int kNumberColumn = 0;
constexpr int kFirstBoldColumn = 1;
constexpr int kLastBoldColumn = 3;

}  // namespace

DictionaryTableModel::DictionaryTableModel(const editing::DictionaryGrid& grid, app::Translator& translator,
                                           QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid) {
    for (const std::string& header : editing::dictionaryHeaders(translator)) m_headers << toQString(header);
}

void DictionaryTableModel::showFill() {
    beginResetModel();
    endResetModel();
}

int DictionaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_grid.rows().size());
}

int DictionaryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : editing::kDictionaryColumns;
}

QVariant DictionaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const editing::DictionaryRow& row = m_grid.rows()[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    // The table counts its rows from the header row 0, so the first data row is odd.
    const int tableRow = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole: return toQString(row.cells[static_cast<std::size_t>(column)]);
    case Qt::BackgroundRole: {
        if (column == kNumberColumn) return QGuiApplication::palette().brush(QPalette::Button);
        const editing::Rgb colour = editing::rowBackground(row.origin, tableRow);
        return QBrush(QColor(colour.red, colour.green, colour.blue));
    }
    case Qt::ForegroundRole:
        // Even rows keep the table's own text colour.
        if (column == kNumberColumn || tableRow % 2 != 0) return QBrush(Qt::black);
        return {};
    case Qt::FontRole:
        if (row.root && column >= kFirstBoldColumn && column <= kLastBoldColumn) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

// A header cut by a narrow column shows its whole text as a tooltip.
QVariant DictionaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool text = role == Qt::DisplayRole || role == Qt::ToolTipRole;
    if (orientation != Qt::Horizontal || !text || section < 0 || section >= m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headers[section];
}

}  // namespace tabrin::ui
