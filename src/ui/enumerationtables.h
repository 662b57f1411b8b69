// The two tables of the enumerations page over its page logic: the items of the selected
// enumeration, edited through the page, and the texts bound to it.
#pragma once

#include <QAbstractTableModel>

#include <memory>

#include "editing/enumerationspage.h"

namespace tabrin::ui {

class EnumerationItemsModel : public QAbstractTableModel {
public:
    /// `page` is made at each login; with none, the tables are empty.
    EnumerationItemsModel(const std::unique_ptr<editing::EnumerationsPage>& page, QObject* parent)
        : QAbstractTableModel(parent), m_page(page) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    /// Shows the page's items again: the cells in place while the number of rows stays (an open
    /// editor writing its cell is not disturbed), the table anew when it changed.
    void refresh();

private:
    const std::unique_ptr<editing::EnumerationsPage>& m_page;
    int m_shownRows = 0;
};

class BoundTextsModel : public QAbstractTableModel {
public:
    BoundTextsModel(const std::unique_ptr<editing::EnumerationsPage>& page, QObject* parent)
        : QAbstractTableModel(parent), m_page(page) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void reset();

private:
    const std::unique_ptr<editing::EnumerationsPage>& m_page;
};

}  // namespace tabrin::ui
