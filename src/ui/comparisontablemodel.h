// The lines of a comparison as a Qt table model: what differs, where, the field and both values,
// each row coloured by whether its thing is only on one side or changed.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "session/profilecomparing.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

class ComparisonTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ComparisonTableModel(session::ShownComparison comparison, app::Translator& translator, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// The object of the open profile that `row` is about; 0 when it has none.
    model::ObjectSerial objectOf(int row) const;

private:
    QString place(const editing::ComparisonLine& line) const;

    session::ShownComparison m_comparison;
    QStringList m_headers;
    QStringList m_kinds;
    QString m_settings;
    QString m_scaleNumber;
};

}  // namespace tabrin::ui
