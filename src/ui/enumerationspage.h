// The enumerations page "Перечисления": the enumeration base bound to the core's page logic, with
// the selector and its filter, the items table, the size field, the copy dialog, the author change
// and the texts bound to the selected enumeration.
#pragma once

#include <memory>
#include <string_view>

#include <QWidget>

#include "editing/enumerationspage.h"
#include "editing/listeners.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app
namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class BoundTextsModel;
class ColumnLayout;
class EnumerationItemsModel;

class EnumerationsPageWidget : public QWidget {
    Q_OBJECT
public:
    EnumerationsPageWidget(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                           QWidget* parent = nullptr);
    ~EnumerationsPageWidget() override;

    /// Lists the base again for the user now logged in.
    void showBase();
    /// The page comes on the screen: the base listed again, the filter field focused.
    void pageShown();
    /// Selects the enumeration numbered `number` (see EnumerationsPage::showEnumeration).
    void showEnumeration(std::string_view number);
    /// Ctrl+S: the cell being edited written, then the base saved.
    void save();
    /// Asks about a modified base before the page is left; false when the page should stay.
    bool leave();

    editing::EnumerationsPage* page() { return m_page.get(); }

signals:
    /// A bound text was double-clicked: the texts page should show it.
    void textWanted(const QString& number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout(app::FileDialogPort& dialogs);
    void connectControls();
    void fillSelector();
    void showSelectorEntries();
    void showListChoice();
    void showSelected();
    void showBoundTexts();
    void baseChanged(const editing::DocumentChange& change);
    void copy();
    void changeAuthor();
    void boundTextsMenu(const QPoint& at);

    session::Workspace& m_workspace;
    app::MessagePort& m_port;
    std::unique_ptr<editing::EnumerationsPage> m_page;
    EnumerationItemsModel* m_items = nullptr;
    BoundTextsModel* m_bound = nullptr;
    QLineEdit* m_filter = nullptr;
    QCheckBox* m_showOthers = nullptr;
    QComboBox* m_selector = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_copy = nullptr;
    QLineEdit* m_size = nullptr;
    QWidget* m_sizeButtons = nullptr;
    QToolButton* m_sizeUp = nullptr;
    QToolButton* m_sizeDown = nullptr;
    QLabel* m_author = nullptr;
    QPushButton* m_changeAuthor = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_boundLabel = nullptr;
    QTableView* m_boundTable = nullptr;
    ColumnLayout* m_itemColumns = nullptr;
    ColumnLayout* m_boundTextColumns = nullptr;
    QMenu* m_boundMenu = nullptr;
    int m_menuRow = -1;  // the bound text under the mouse when its menu opened
    bool m_filling = false;
    editing::Subscription m_setsSubscription;
    editing::Subscription m_textsSubscription;
};

}  // namespace tabrin::ui
