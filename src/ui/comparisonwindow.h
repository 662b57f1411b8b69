// The window "Сравнение" (FormComparison): the lines of a comparison as a colour-coded table whose
// current row shows its object in the dictionary table.
#pragma once

#include <QDialog>

#include "model/dictobject.h"
#include "session/profilecomparing.h"

class QModelIndex;
class QTableView;

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

class ComparisonTableModel;

class ComparisonWindow : public QDialog {
    Q_OBJECT

public:
    ComparisonWindow(session::ShownComparison comparison, app::Translator& translator, QWidget* parent = nullptr);

signals:
    /// The current row is about this object of the open profile.
    void objectChosen(model::ObjectSerial object);

private:
    void chooseRow(const QModelIndex& index);

    QTableView* m_table = nullptr;
    ComparisonTableModel* m_model = nullptr;
};

}  // namespace tabrin::ui
