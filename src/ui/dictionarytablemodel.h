// The dictionary grid's rows as a Qt table model: the cell texts, colours and bold roots the core
// gave at its last fill, read on demand.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace tabrin::app {
class Translator;
}
namespace tabrin::editing {
class DictionaryGrid;
}

namespace tabrin::ui {

class DictionaryTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    /// Shows the rows of `grid`, which outlives the model.
    DictionaryTableModel(const editing::DictionaryGrid& grid, app::Translator& translator, QObject* parent = nullptr);

    /// The grid was filled again: every row may have changed.
    void showFill();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const editing::DictionaryGrid& m_grid;
    QStringList m_headers;
};

}  // namespace tabrin::ui
