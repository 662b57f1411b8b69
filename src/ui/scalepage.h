// The page "Масштабирующие коэффициенты" (TabSheetScales): the profile's scale table, its list
// columns chosen from drop-down lists over the cell, its assumed value and description typed.
#pragma once

#include <QWidget>

#include "editing/profiledocument.h"
#include "editing/scaletablepage.h"

class QModelIndex;
class QTableView;

namespace tabrin::app {
class Translator;
}
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class ScaleTableModel;

class ScalePage : public QWidget {
    Q_OBJECT

public:
    explicit ScalePage(session::Workspace& workspace, QWidget* parent = nullptr);

    /// The rows as the open profile has them.
    void showProfile();

private:
    void showRows(bool fitAnew);
    void selectCell(const QModelIndex& cell);

    editing::ScaleTablePage m_page;
    ScaleTableModel* m_model;
    QTableView* m_table;
    editing::Subscription m_subscription;
};

}  // namespace tabrin::ui
