// The items and bound-texts tables of the enumerations page.
#include "ui/enumerationtables.h"

#include "ui/qtext.h"

namespace tabrin::ui {

int EnumerationItemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_page ? 0 : m_page->itemCount();
}

int EnumerationItemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : editing::kItemColumns;
}

QVariant EnumerationItemsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return toQString(m_page->itemCell(index.row(), index.column()));
}

QVariant EnumerationItemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_page) return {};
    return toQString(m_page->itemHeaders().at(static_cast<std::size_t>(section)));
}

Qt::ItemFlags EnumerationItemsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_page->canEdit(index.row(), index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}

bool EnumerationItemsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole) return false;
    return m_page->setCell(index.row(), index.column(), fromQString(value.toString()));
}

void EnumerationItemsModel::refresh() {
    const int rows = rowCount();
    if (rows != m_shownRows) {
        beginResetModel();
        m_shownRows = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, editing::kItemColumns - 1));
    }
}

int BoundTextsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_page ? 0 : m_page->boundTextCount();
}

int BoundTextsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : editing::kBoundTextColumns;
}

QVariant BoundTextsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole) return {};
    return toQString(m_page->boundTextCell(index.row(), index.column()));
}

QVariant BoundTextsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_page) return {};
    return toQString(m_page->boundTextHeaders().at(static_cast<std::size_t>(section)));
}

void BoundTextsModel::reset() {
    beginResetModel();
    endResetModel();
}

}  // namespace tabrin::ui
