// The page "Масштабирующие коэффициенты" (TabSheetScales): the profile's scale table, its list
// columns chosen from drop-down lists over the cell, its assumed value and description typed.
#include "ui/scalepage.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "session/workspace.h"
#include "ui/celllistpicker.h"
#include "ui/columnfit.h"
#include "ui/named.h"
#include "ui/qtext.h"

namespace tabrin::ui {

/// The page's rows read on demand; the typed columns of the profile's coefficients are editable.
class ScaleTableModel : public QAbstractTableModel {
public:
    ScaleTableModel(editing::ScaleTablePage& page, QObject* parent) : QAbstractTableModel(parent), m_page(page) {}

    void showRows() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : editing::kScaleRows; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : editing::kScaleColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        return toQString(m_page.cells(index.row())[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return toQString(m_page.headers()[static_cast<std::size_t>(section)]);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags shown = QAbstractTableModel::flags(index);
        const bool typed = index.column() == editing::kAssumedValueColumn || index.column() == editing::kDescriptionColumn;
        if (typed && m_page.editable(index.row())) shown |= Qt::ItemIsEditable;
        return shown;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole) return false;
        m_page.type(index.row(), index.column(), fromQString(value.toString()));
        return true;
    }

private:
    editing::ScaleTablePage& m_page;
};

namespace {

/// The typed columns' editors take only the keys their column allows.
class TypedKeys : public QObject {
public:
    TypedKeys(int column, QObject* parent) : QObject(parent), m_column(column) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1 || !typed.front().isPrint()) return false;
        const char16_t key = typed.front().unicode();
        const char probe = key < 0x80 ? static_cast<char>(key) : 'g';
        const std::optional<char> accepted = editing::ScaleTablePage::typedKey(m_column, probe);
        if (!accepted) return true;
        if (key >= 0x80 || *accepted == probe) return false;
        static_cast<QLineEdit*>(watched)->insert(QString(QChar(*accepted)));
        return true;
    }

private:
    int m_column;
};

class TypedColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->installEventFilter(new TypedKeys(index.column(), line));
        return editor;
    }
};

}  // namespace

ScalePage::ScalePage(session::Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      m_page(workspace.document, workspace.sets, workspace.language, workspace.translator),
      m_model(new ScaleTableModel(m_page, this)),
      m_table(named(new QTableView, "StringGridScales")) {
    setObjectName(QStringLiteral("TabSheetScales"));
    auto* explanation = named(
        new QLabel(QStringLiteral("При генерации файла словаря для контроллера vost.c информация о масштабирующих "
                                  "коэффициентах из этой таблицы попадёт в соответствующие объекты словаря")),
        "LabelScales");
    explanation->setWordWrap(true);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_table->setItemDelegate(new TypedColumnDelegate(m_table));
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_table, 1);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScalePage::selectCell);
    m_subscription = workspace.document.listen([this](const editing::DocumentChange& change) {
        if (editing::touches(change.kinds, editing::ChangeKind::ScaleTable)) showRows(false);
    });
}

void ScalePage::showProfile() { showRows(true); }

// Every column but the description, which takes the rest, shows its header and its cells in full; a
// list column also any item that may be chosen. A change only widens a column, so that the columns
// stay in place while the user edits.
void ScalePage::showRows(bool fitAnew) {
    m_model->showRows();
    for (int column = 0; column < editing::kDescriptionColumn; ++column) {
        int width = fittingWidth(m_table, column, true);
        if (editing::ScaleTablePage::isListColumn(column)) {
            QStringList items;
            for (const std::string& item : m_page.listItems(column)) items << toQString(item);
            width = std::max(width, fittingWidth(m_table, items));
        }
        m_table->setColumnWidth(column, fitAnew ? width : std::max(width, m_table->columnWidth(column)));
    }
}

// A list column opens its list over the cell; the table waits until it closes.
void ScalePage::selectCell(const QModelIndex& cell) {
    const int row = cell.row();
    const int column = cell.column();
    if (!cell.isValid() || !editing::ScaleTablePage::isListColumn(column) || !m_page.editable(row)) return;
    QStringList items;
    for (const std::string& item : m_page.listItems(column)) items << toQString(item);
    const QRect shown = m_table->visualRect(cell);
    auto* picker = new CellListPicker("ScaleListPicker", items, m_page.chosenItem(row, column).value_or(-1),
                                      QRect(m_table->viewport()->mapTo(this, shown.topLeft()), shown.size()), this);
    m_table->setEnabled(false);
    connect(picker, &QComboBox::activated, this, [this, row, column](int position) { m_page.choose(row, column, position); });
    connect(picker, &CellListPicker::closed, this, [this] {
        m_table->setEnabled(true);
        m_table->setFocus();
    });
}

}  // namespace tabrin::ui
