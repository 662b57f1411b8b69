// The texts page "Тексты": the text base as a table bound to the core's page logic, with its filter,
// the add and save buttons, the bound-enumeration list and the duplicate warning.
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

namespace tabrin::app {
class MessagePort;
}
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class TextsTableModel;

class TextsPageWidget : public QWidget {
    Q_OBJECT
public:
    TextsPageWidget(session::Workspace& workspace, app::MessagePort& port, QWidget* parent = nullptr);
    ~TextsPageWidget() override;

    /// Lists the base again for the user now logged in.
    void showBase();
    /// Asks about a modified base before the page is left; false when the page should stay.
    bool leave();

    QTableView* table() const { return m_table; }
    editing::TextsPage& page() { return *m_page; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refill(std::string_view keepNumber);
    void rowChosen();
    void bindingChosen(int entry);
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
    QLabel* m_warning = nullptr;
    bool m_fillingBinding = false;
    editing::Subscription m_subscription;
};

}  // namespace tabrin::ui
