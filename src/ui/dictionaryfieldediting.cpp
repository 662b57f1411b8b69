// The field editors of the dictionary table bound to its widgets: a double click opens the editor
// of its column (or shows why not), selecting a group cell opens the group picker, and the
// base-profile warning is raised while an editor is open.
#include "ui/dictionaryfieldediting.h"

#include <QWidget>

#include "app/integertext.h"
#include "editing/dictionarygrid.h"
#include "editing/fieldeditors.h"
#include "editing/formateditor.h"
#include "editing/gridfilterinput.h"
#include "editing/objectplaces.h"
#include "editing/textpicker.h"
#include "session/workspace.h"
#include "ui/celleditor.h"
#include "ui/descriptiondialog.h"
#include "ui/dictionarygridview.h"
#include "ui/formateditordialog.h"
#include "ui/celllistpicker.h"
#include "ui/qtext.h"
#include "ui/textpickerdialog.h"

namespace tabrin::ui {

DictionaryFieldEditing::DictionaryFieldEditing(session::Workspace& workspace, app::MessagePort& port,
                                               editing::DictionaryGrid& grid, DictionaryGridView* view, QWidget* page)
    : QObject(page),
      m_workspace(workspace),
      m_port(port),
      m_grid(grid),
      m_view(view),
      m_page(page),
      m_edits(workspace.document, port, workspace.translator) {}

const model::DictObject* DictionaryFieldEditing::object(model::ObjectSerial serial) const {
    return editing::findViewObject(m_workspace.profile, serial);
}

void DictionaryFieldEditing::warnFor(model::ObjectSerial serial) {
    if (const model::DictObject* edited = object(serial))
        emit warningChanged(
            toQString(editing::baseObjectWarning(m_workspace.profile, *edited, m_workspace.translator)));
}

void DictionaryFieldEditing::openEditor(const QModelIndex& cell) {
    if (!cell.isValid() || cell.row() >= static_cast<int>(m_grid.rows().size())) return;
    const editing::DictionaryRow& row = m_grid.rows()[static_cast<std::size_t>(cell.row())];
    m_grid.setCurrent(cell.row());
    const editing::EditorOpening opening = editing::editorForDoubleClick(row, cell.column(), m_workspace.translator);
    if (opening.refusal) {
        m_port.ask(*opening.refusal);
        return;
    }
    switch (opening.editor) {
    case editing::FieldEditor::CellEditor:
        openCellEditor(cell, row.serial);
        break;
    case editing::FieldEditor::TextPicker:
        openTextPicker(row.serial);
        break;
    case editing::FieldEditor::DescriptionEditor:
        openDescriptionEditor(row.serial);
        break;
    case editing::FieldEditor::FormatEditor: openFormatEditor(row.serial); break;
    case editing::FieldEditor::None:
        break;
    }
}

void DictionaryFieldEditing::openCellEditor(const QModelIndex& cell, model::ObjectSerial serial) {
    warnFor(serial);
    const QString shown = cell.data().toString();
    auto* editor = new CellEditor(cell.column(), shown, m_view->visualRect(cell), m_view->viewport());
    const int column = cell.column();
    connect(editor, &CellEditor::applied, this, [this, serial, column, shown](const QString& text) {
        // Confirming the text the cell showed changes nothing: a value shown in converted units
        // would otherwise come back rounded.
        if (text == shown) return;
        m_edits.applyCell(serial, column, fromQString(text), m_grid.displayMode);
    });
    connect(editor, &CellEditor::closed, this, &DictionaryFieldEditing::clearWarning);
}

void DictionaryFieldEditing::openGroupPicker(int row) {
    if (row < 0 || row >= static_cast<int>(m_grid.rows().size())) return;
    if (const std::optional<app::Message> refusal = m_grid.groupColumnRefusal(row, m_workspace.translator)) {
        m_port.ask(*refusal);
        return;
    }
    const model::ObjectSerial serial = m_grid.rows()[static_cast<std::size_t>(row)].serial;
    const model::DictObject* edited = object(serial);
    if (edited == nullptr) return;
    warnFor(serial);
    QStringList groups;
    for (const std::string& item : editing::groupListItems(m_workspace.sets, m_workspace.profile.settings.group_set,
                                                           m_workspace.language))
        groups << toQString(item);
    const QRect cell = m_view->visualRect(m_view->model()->index(row, editing::kGroupColumn));
    auto* picker = new CellListPicker("GroupPicker", groups, app::toInteger(edited->group).value_or(-1),
                                   QRect(m_view->viewport()->mapTo(m_page, cell.topLeft()), cell.size()), m_page);
    m_view->setEnabled(false);
    connect(picker, &QComboBox::activated, this, [this, serial, picker](int position) {
        m_edits.chooseGroup(serial, position, fromQString(picker->itemText(position)));
    });
    connect(picker, &CellListPicker::closed, this, [this] {
        clearWarning();
        m_view->setEnabled(true);
        m_view->setFocus();
    });
}

void DictionaryFieldEditing::openTextPicker(model::ObjectSerial serial) {
    const model::DictObject* edited = object(serial);
    if (edited == nullptr) return;
    warnFor(serial);
    editing::TextPicker picker(m_workspace.texts, m_workspace.sets, m_workspace.user, m_workspace.language,
                               m_workspace.translator, app::toInteger(edited->textID).value_or(-1));
    TextPickerDialog dialog(
        picker,
        app::shownChooseTextColumnWidths(m_workspace.settings.chooseTextColumnWidths, m_workspace.englishInterface()),
        m_workspace.translator, m_page);
    const bool chosen = dialog.exec() == QDialog::Accepted && dialog.chosen() != nullptr;
    clearWarning();
    m_workspace.settings.chooseTextColumnWidths = app::storedChooseTextColumnWidths(dialog.columnWidths());
    if (const std::string error = app::writeChooseTextColumnWidths(app::settingsFilePath(m_workspace.programFolder),
                                                                   m_workspace.settings.chooseTextColumnWidths);
        !error.empty())
        m_workspace.log.writeLog(error);
    if (chosen) m_edits.chooseText(serial, *dialog.chosen());
    if (dialog.textToEdit()) emit textEditRequested(toQString(*dialog.textToEdit()));
}

void DictionaryFieldEditing::openFormatEditor(model::ObjectSerial serial) {
    const model::DictObject* edited = object(serial);
    if (edited == nullptr) return;
    warnFor(serial);
    editing::FormatEditor editor(*edited, m_workspace.profile.scaleNumbers,
                                 editing::unitLists(m_workspace.sets, m_workspace.language));
    FormatEditorDialog dialog(editor, m_workspace.translator, m_page);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    clearWarning();
    if (!confirmed) return;
    const model::DictObject formatted = editor.confirmed();
    m_edits.setFormat(serial, formatted, editor.logLine(formatted));
}

void DictionaryFieldEditing::openDescriptionEditor(model::ObjectSerial serial) {
    const model::DictObject* edited = object(serial);
    if (edited == nullptr) return;
    warnFor(serial);
    DescriptionDialog dialog(toQString(editing::shownDescription(edited->description)), m_workspace.translator,
                             m_page);
    const bool saved = dialog.exec() == QDialog::Accepted;
    clearWarning();
    if (saved) m_edits.setDescription(serial, fromQString(dialog.lines()));
}

}  // namespace tabrin::ui
