// The object operations of the dictionary table bound to its widgets: the button "Создать элемент
// словаря", the context menu with its shortcuts and its moves and copies to other configurations,
// the Alt and Ctrl clicks and row dragging.
#include "ui/dictionaryoperations.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>

#include "editing/dictionarygrid.h"
#include "editing/profiledocument.h"
#include "session/workspace.h"
#include "ui/desktophelpers.h"
#include "ui/dictionarygridview.h"
#include "ui/hexfieldsdialog.h"
#include "ui/named.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

constexpr int kIndexColumn = 1;

// The cell editor open in the table, if any: a line edit with the focus inside the table.
QLineEdit* openCellEditor(const DictionaryGridView* view) {
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return editor != nullptr && view->isAncestorOf(editor) ? editor : nullptr;
}

}  // namespace

DictionaryOperations::DictionaryOperations(session::Workspace& workspace, app::MessagePort& port,
                                           editing::DictionaryGrid& grid, DictionaryGridView* view, QWidget* page)
    : QObject(page),
      m_workspace(workspace),
      m_port(port),
      m_grid(grid),
      m_view(view),
      m_operations(workspace.document, port, workspace.translator, workspace.language),
      m_configurations(workspace.document, port, workspace.translator, workspace.log),
      m_popup(named(new QMenu(page), "PopupMenuEditing")) {
    m_objectItems << objectItem("N_Copy", QStringLiteral("Копировать"), &DictionaryOperations::copyMenuRowSame);
    m_objectItems << objectItem("N_Delete", QStringLiteral("Удалить"), &DictionaryOperations::deleteSelected);
    m_renumber = objectItem("N_Renumber", QStringLiteral("Перенумеровать подындексы"),
                            &DictionaryOperations::renumberSubindexes);
    m_copyWithSubindexes = objectItem("N_CopyWithSubindexes", QStringLiteral("Копировать с подындексами"),
                                      &DictionaryOperations::copyWithSubindexes);
    QAction* indexIncrement =
        objectItem("N_CopyIncIndex", QStringLiteral("Копировать с инкрементом индекса (Alt+LeftClick)"),
                   &DictionaryOperations::copyMenuRowIndexIncrement);
    QAction* subindexIncrement =
        objectItem("N_CopyIncSubindex", QStringLiteral("Копировать с инкрементом подындекса (Ctrl+LeftClick)"),
                   &DictionaryOperations::copyMenuRowSubindexIncrement);
    m_objectItems << m_renumber << m_copyWithSubindexes << indexIncrement << subindexIncrement;
    m_moveTo = named(m_popup->addMenu(QStringLiteral("Переместить в")), "N_MoveTo");
    m_copyTo = named(m_popup->addMenu(QStringLiteral("Копировать в")), "N_CopyTo");
    connect(m_moveTo, &QMenu::triggered, this, [this](QAction* entry) {
        m_configurations.transfer(m_grid.selectedObjects(), entry->data().toInt(), editing::TransferKind::Move);
    });
    connect(m_copyTo, &QMenu::triggered, this, [this](QAction* entry) {
        m_configurations.transfer(m_grid.selectedObjects(), entry->data().toInt(), editing::TransferKind::Copy);
    });
    m_objectItems << objectItem("N_CopyPath", QStringLiteral("Копировать путь к объекту"),
                                &DictionaryOperations::copyPath);
    m_textItems << textItem("N_EditorCopy", QStringLiteral("Копировать"), &DictionaryOperations::copyEditorText)
                << textItem("N_EditorPaste", QStringLiteral("Вставить"), &DictionaryOperations::pasteEditorText)
                << textItem("N_EditorCut", QStringLiteral("Вырезать"), &DictionaryOperations::cutEditorText);

    // The shortcuts act on the row under the mouse while the table has the focus, menu or not.
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {m_copyWithSubindexes, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A)},
        {indexIncrement, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I)},
        {subindexIncrement, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)},
    };
    for (const auto& [action, keys] : shortcuts) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_view->addAction(action);
    }

    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &DictionaryOperations::showContextMenu);
    connect(m_view, &DictionaryGridView::copyClicked, this, &DictionaryOperations::copyClicked);
    connect(m_view, &DictionaryGridView::rowDragged, this, &DictionaryOperations::dragRow);
    connect(m_view, &DictionaryGridView::dragRefused, this, &DictionaryOperations::refuseDrag);
}

QAction* DictionaryOperations::objectItem(const char* name, const QString& text, void (DictionaryOperations::*slot)()) {
    QAction* action = named(m_popup->addAction(text), name);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction* DictionaryOperations::textItem(const char* name, const QString& text, void (DictionaryOperations::*slot)()) {
    QAction* action = objectItem(name, text, slot);
    action->setVisible(false);
    return action;
}

model::ObjectSerial DictionaryOperations::objectOf(int row) const {
    if (row < 0 || row >= static_cast<int>(m_grid.rows().size())) return 0;
    return m_grid.rows()[static_cast<std::size_t>(row)].serial;
}

int DictionaryOperations::actionRow() const { return m_view->mouseRow(); }

void DictionaryOperations::selectRows(int top, int bottom, int left, int right) {
    QAbstractItemModel* model = m_view->model();
    m_view->selectionModel()->setCurrentIndex(model->index(top, left), QItemSelectionModel::NoUpdate);
    m_view->selectionModel()->select(QItemSelection(model->index(top, left), model->index(bottom, right)),
                                     QItemSelectionModel::ClearAndSelect);
}

void DictionaryOperations::createObject() {
    const int rows = static_cast<int>(m_grid.rows().size());
    if (const std::optional<app::Message> refusal = m_operations.createRefusal(m_grid.rows().size())) {
        m_port.ask(*refusal);
        return;
    }
    const int firstVisible = m_view->firstVisibleRow();
    // An empty view gives its first object from the empty template.
    model::ObjectSerial templateObject = 0;
    editing::NewObjectProposal proposal = editing::proposeFirstObject();
    if (rows > 0) {
        std::optional<int> templateRow = m_grid.selectedRow();
        if (!templateRow) {
            templateRow = rows - 1;
            selectRows(*templateRow, *templateRow, kIndexColumn, kIndexColumn);
            m_view->scrollToFirstRow(std::max(0, rows - m_view->visibleRowCount()));
        }
        templateObject = objectOf(*templateRow);
        const int number = m_grid.rows()[static_cast<std::size_t>(*templateRow)].number;
        proposal = editing::proposeNewObject(*m_workspace.profile.view()[static_cast<std::size_t>(number)]);
    }
    HexFieldsDialog dialog(
        "FormNewObject", QStringLiteral("Создать элемент словаря"),
        {{"EditIndex", "LabelIndex", QStringLiteral("Индекс"), toQString(proposal.index)},
         {"EditSubindex", "LabelSubindex", QStringLiteral("Подындекс"), toQString(proposal.subindex)}},
        m_workspace.translator, m_view->window());
    if (dialog.exec() != QDialog::Accepted) {
        m_view->scrollToFirstRow(firstVisible);
        return;
    }
    const model::ObjectSerial created =
        m_operations.create(templateObject, fromQString(dialog.text(0)), fromQString(dialog.text(1)));
    if (templateObject == 0) {
        if (const std::optional<int> shown = m_grid.rowOf(created))
            selectRows(*shown, *shown, kIndexColumn, kIndexColumn);
    } else if (const std::optional<int> shown = m_grid.rowOf(templateObject);
               shown && *shown + 1 < static_cast<int>(m_grid.rows().size())) {
        selectRows(*shown + 1, *shown + 1, kIndexColumn, kIndexColumn);
    }
}

void DictionaryOperations::rebuildConfigurationMenus() {
    const auto& configurations = m_workspace.profile.configurations;
    for (QMenu* menu : {m_moveTo, m_copyTo}) {
        menu->clear();
        for (std::size_t position = 0; position < configurations.size(); ++position)
            menu->addAction(toQString(configurations[position].name))->setData(static_cast<int>(position));
    }
}

void DictionaryOperations::showContextMenu(const QPoint& position) {
    const int row = m_view->rowAt(position.y());
    const bool dataRow = row >= 0 && row < static_cast<int>(m_grid.rows().size());
    const std::vector<int>& selected = m_grid.selectedRows();
    if (dataRow && std::find(selected.begin(), selected.end(), row) == selected.end()) {
        const QModelIndexList indexes = m_view->selectionModel()->selectedIndexes();
        int left = m_view->currentIndex().isValid() ? m_view->currentIndex().column() : kIndexColumn;
        int right = left;
        for (const QModelIndex& index : indexes) {
            left = std::min(left, index.column());
            right = std::max(right, index.column());
        }
        selectRows(row, row, left, right);
    }
    QLineEdit* editor = openCellEditor(m_view);
    if (!dataRow && editor != nullptr) editor->clearFocus();
    // The format column shows "Корневой" exactly for the roots.
    const bool root = dataRow && m_grid.rows()[static_cast<std::size_t>(row)].root;
    const editing::ContextMenuItems items = editing::contextMenuItems(
        dataRow, editor != nullptr, root, static_cast<int>(m_workspace.profile.configurations.size()));
    for (QAction* action : m_objectItems) action->setVisible(items.objectItems);
    for (QAction* action : m_textItems) action->setVisible(items.textItems);
    m_renumber->setEnabled(items.rootItemsEnabled);
    m_copyWithSubindexes->setEnabled(items.rootItemsEnabled);
    // The configuration that holds the object is no target of a move or copy.
    const int holder =
        dataRow
            ? m_workspace.profile.view()[static_cast<std::size_t>(m_grid.rows()[static_cast<std::size_t>(row)].number)]
                  ->configuration
            : -1;
    for (QMenu* menu : {m_moveTo, m_copyTo}) {
        menu->menuAction()->setVisible(items.configurationMenus);
        for (QAction* entry : menu->actions()) entry->setEnabled(entry->data().toInt() != holder);
    }
    if (!items.objectItems && !items.textItems) return;
    m_popup->popup(m_view->viewport()->mapToGlobal(position));
}

void DictionaryOperations::copyMenuRow(editing::CopyKind kind) {
    if (const model::ObjectSerial object = objectOf(actionRow())) m_operations.copy(object, kind);
}

void DictionaryOperations::copyClicked(int row, bool indexIncrement, bool subindexIncrement) {
    const model::ObjectSerial object = objectOf(row);
    if (object == 0) return;
    if (indexIncrement) m_operations.copy(object, editing::CopyKind::IndexIncrement);
    if (subindexIncrement) m_operations.copy(object, editing::CopyKind::SubindexIncrement);
}

void DictionaryOperations::copyWithSubindexes() {
    const int row = actionRow();
    const model::ObjectSerial root = objectOf(row);
    if (root == 0 || !m_grid.rows()[static_cast<std::size_t>(row)].root) return;
    HexFieldsDialog dialog("FormCopyWithSubindexes", QStringLiteral("Скопировать с подындексами"),
                           {{"EditNewIndex", "LabelNewIndex", QStringLiteral("Введите новый индекс:"), QString()}},
                           m_workspace.translator, m_view->window());
    if (dialog.exec() == QDialog::Accepted) m_operations.copyWithSubindexes(root, fromQString(dialog.text(0)));
}

void DictionaryOperations::deleteSelected() { m_operations.remove(m_grid.selectedObjects()); }

void DictionaryOperations::renumberSubindexes() {
    if (const model::ObjectSerial root = objectOf(actionRow())) m_operations.renumberSubindexes(root);
}

void DictionaryOperations::copyPath() {
    if (const model::ObjectSerial object = objectOf(actionRow())) copyToClipboard(m_operations.objectPath(object));
}

void DictionaryOperations::dragRow(int from, int to) {
    const model::ObjectSerial dragged = objectOf(from);
    const model::ObjectSerial target = objectOf(to);
    if (dragged != 0 && target != 0) m_operations.drag(dragged, target);
}

void DictionaryOperations::refuseDrag() {
    if (const std::optional<app::Message> refusal = m_operations.dragRefusal(m_grid.filters)) m_port.ask(*refusal);
}

void DictionaryOperations::copyEditorText() {
    if (QLineEdit* editor = openCellEditor(m_view)) editor->copy();
}

void DictionaryOperations::pasteEditorText() {
    if (QLineEdit* editor = openCellEditor(m_view)) editor->paste();
}

void DictionaryOperations::cutEditorText() {
    if (QLineEdit* editor = openCellEditor(m_view)) editor->cut();
}

}  // namespace tabrin::ui
