// The object operations of the dictionary table bound to its widgets: the button "Создать элемент
// словаря", the context menu with its shortcuts and its moves and copies to other configurations,
// the Alt and Ctrl clicks and row dragging.
#pragma once

#include <QObject>

#include "editing/configurationoperations.h"
#include "editing/objectoperations.h"

class QAction;
class QMenu;
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

class DictionaryOperations : public QObject {
    Q_OBJECT

public:
    /// Acts on the rows `grid` shows in `view`; the context menu belongs to `page`.
    DictionaryOperations(session::Workspace& workspace, app::MessagePort& port, editing::DictionaryGrid& grid,
                         DictionaryGridView* view, QWidget* page);

    /// "Создать элемент словаря": a new object after the selected row (or the last one); the first
    /// object of an empty view; nothing, and the reason told, when a filter hides every row.
    void createObject();
    /// The entries of "Переместить в" and "Копировать в": one per configuration of the profile.
    void rebuildConfigurationMenus();

private:
    QAction* objectItem(const char* name, const QString& text, void (DictionaryOperations::*slot)());
    QAction* textItem(const char* name, const QString& text, void (DictionaryOperations::*slot)());
    void showContextMenu(const QPoint& position);
    /// The object of `row` when it is a data row, or 0.
    model::ObjectSerial objectOf(int row) const;
    void copyMenuRow(editing::CopyKind kind);
    void copyMenuRowSame() { copyMenuRow(editing::CopyKind::Same); }
    void copyMenuRowIndexIncrement() { copyMenuRow(editing::CopyKind::IndexIncrement); }
    void copyMenuRowSubindexIncrement() { copyMenuRow(editing::CopyKind::SubindexIncrement); }
    void copyClicked(int row, bool indexIncrement, bool subindexIncrement);
    void copyWithSubindexes();
    void deleteSelected();
    void renumberSubindexes();
    void copyPath();
    void dragRow(int from, int to);
    void refuseDrag();
    void copyEditorText();
    void pasteEditorText();
    void cutEditorText();
    /// The row the menu or shortcut acts on: the row under the mouse when it was opened or pressed.
    int actionRow() const;
    void selectRows(int top, int bottom, int left, int right);

    session::Workspace& m_workspace;
    app::MessagePort& m_port;
    editing::DictionaryGrid& m_grid;
    DictionaryGridView* m_view;
    editing::ObjectOperations m_operations;
    editing::ConfigurationOperations m_configurations;
    QMenu* m_popup;
    QMenu* m_moveTo = nullptr;
    QMenu* m_copyTo = nullptr;
    QList<QAction*> m_objectItems;
    QList<QAction*> m_textItems;
    QAction* m_renumber = nullptr;
    QAction* m_copyWithSubindexes = nullptr;
    int m_menuRow = -1;  // the mouse row while the context menu is open
};

}  // namespace tabrin::ui
