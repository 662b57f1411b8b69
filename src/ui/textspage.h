// The texts page "Тексты": the text base as a table bound to the core's page logic, with its filter,
// the add, save and export buttons, the author change, the bound enumeration with its items and
// the duplicate warning.
#pragma once

#include <memory>
#include <optional>

#include <QWidget>

#include "editing/listeners.h"
#include "editing/textspage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class ColumnLayout;
class TextsTableModel;

class TextsPageWidget : public QWidget {
    Q_OBJECT
public:
    TextsPageWidget(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                    QWidget* parent = nullptr);
    ~TextsPageWidget() override;

    /// Lists the base again for the user now logged in.
    void showBase();
    /// Selects the text numbered `number` (the last row when it is not listed) for editing.
    void showText(std::string_view number);
    /// Asks about a modified base before the page is left; false when the page should stay.
    bool leave();

    QTableView* table() const { return m_table; }
    editing::TextsPage& page() { return *m_page; }

signals:
    /// A double click on the bound enumeration's items: the enumerations page should show it.
    void enumerationWanted(const QString& number);

private:
    void refill(std::string_view keepNumber);
    void rowChosen();
    void showBoundEnumeration(int row);
    void bindingChosen(int entry);
    void cellDoubleClicked(const QModelIndex& index);
    int currentRow() const;

    session::Workspace& m_workspace;
    app::MessagePort& m_port;
    std::unique_ptr<editing::TextsPage> m_page;
    TextsTableModel* m_model = nullptr;
    QLineEdit* m_filter = nullptr;
    QCheckBox* m_showOthers = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_save = nullptr;
    QTableView* m_table = nullptr;
    QComboBox* m_binding = nullptr;
    QCheckBox* m_showOtherEnums = nullptr;
    QLabel* m_enumAuthor = nullptr;
    QTableWidget* m_boundItems = nullptr;
    ColumnLayout* m_tableColumns = nullptr;
    ColumnLayout* m_boundItemColumns = nullptr;
    QLabel* m_warning = nullptr;
    bool m_fillingBinding = false;
    editing::Subscription m_subscription;
};

}  // namespace tabrin::ui
