// The field editors of the dictionary table bound to its widgets: a double click opens the editor
// of its column (or shows why not), selecting a group cell opens the group picker, and the
// base-profile warning is raised while an editor is open.
#pragma once

#include <QObject>

#include "editing/objectfieldedits.h"

class QModelIndex;
class QWidget;

namespace tabrin::app {
class MessagePort;
}
namespace tabrin::editing {
class DictionaryGrid;
}
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class DictionaryGridView;

class DictionaryFieldEditing : public QObject {
    Q_OBJECT

public:
    /// Edits the objects of the rows `grid` shows in `view`; the group picker opens over `page`.
    DictionaryFieldEditing(session::Workspace& workspace, app::MessagePort& port, editing::DictionaryGrid& grid,
                           DictionaryGridView* view, QWidget* page);

    /// A double click on `cell` of a data row.
    void openEditor(const QModelIndex& cell);
    /// The group cell of `row` was selected.
    void openGroupPicker(int row);

signals:
    /// The base-profile warning to show while an editor is open; an empty text clears it.
    void warningChanged(const QString& text);
    /// The user went from the text picker to the texts page to edit the text numbered `number`.
    void textEditRequested(const QString& number);

private:
    /// Raises the warning for the object of `serial` when it applies.
    void warnFor(model::ObjectSerial serial);
    void clearWarning() { emit warningChanged(QString()); }
    void openCellEditor(const QModelIndex& cell, model::ObjectSerial serial);
    void openTextPicker(model::ObjectSerial serial);
    void openFormatEditor(model::ObjectSerial serial);
    void openDescriptionEditor(model::ObjectSerial serial);
    const model::DictObject* object(model::ObjectSerial serial) const;

    session::Workspace& m_workspace;
    app::MessagePort& m_port;
    editing::DictionaryGrid& m_grid;
    DictionaryGridView* m_view;
    QWidget* m_page;
    editing::ObjectFieldEdits m_edits;
};

}  // namespace tabrin::ui
