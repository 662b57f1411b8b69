// The page "Словарь" (TabSheetDict): the dictionary table StringGridProf with its filters, display
// mode and configuration list, and the controller-file box with the generate buttons.
#pragma once

#include <QWidget>

#include <optional>

#include "app/columnwidths.h"
#include "editing/configurationoperations.h"
#include "editing/dictionarygrid.h"
#include "editing/profiledocument.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {
class ProfileSession;
class Workspace;
}  // namespace tabrin::session

namespace tabrin::ui {

class DictionaryComparisons;
class DictionaryFieldEditing;
class DictionaryGridView;
class DictionaryOperations;
class DictionaryTableModel;
class RadioGroup;

class DictionaryPage : public QWidget {
    Q_OBJECT

public:
    DictionaryPage(session::Workspace& workspace, session::ProfileSession& session, app::MessagePort& port,
                   QWidget* parent = nullptr);

    RadioGroup* canModule() const { return m_canModule; }

    /// A profile was opened: both filters off, the group and configuration lists of the profile,
    /// the table filled from its first row.
    void showProfile();
    /// No profile is open: the table is empty.
    void showNoProfile();
    /// fillDictionaryGrid with the current filters, keeping the first visible row and column.
    void fill();

    /// Table rows count from 1 for the first data row, as the settings keep them.
    int topRow() const;
    void scrollToTopRow(int row);
    /// The widths of the table's columns as shown.
    app::ProfColumnWidths columnWidths() const;

    /// The generate buttons stay disabled while a generation runs.
    void setGenerating(bool generating);

signals:
    void generateClicked();
    void generateAllClicked();
    void reportClicked();
    /// The warning an open field editor gives about its object; an empty text clears it.
    void editorWarningChanged(const QString& text);
    /// The user asked to edit the text numbered `number` on the texts page.
    void textEditRequested(const QString& number);

private:
    QWidget* buildFilterBox();
    QWidget* buildConfigurationBox();
    QWidget* buildControllerFileBox();
    /// The items of the profile's group enumeration, `position` chosen (the first when it has none such).
    void fillGroupList(int position);
    void showChange(const editing::DocumentChange& change);
    void rememberSelectedColumns();
    void showSelection();
    void selectCell(const QModelIndex& current);
    void takeSelection();
    void switchFilter(QCheckBox* box, bool editing::DictionaryFilters::*filter);
    void enterRange();
    void chooseGroup(int position);
    void chooseDisplayMode(int mode);
    /// The configuration list as the profile has it, the current one selected.
    void showConfigurations();
    void chooseConfiguration(int position);
    void createConfiguration();
    void startRename(int position);
    void finishRename(QListWidgetItem* item);
    /// The position whose name is being edited, or none: the buttons wait meanwhile.
    void setRenaming(std::optional<int> position);
    /// Selects the row of the object and brings it in sight, when the table shows it.
    void showObject(model::ObjectSerial object);
    /// Shows the columns at `shown`, those still at their default width widened to what they need.
    void fitDefaultColumnWidths(const app::ProfColumnWidths& shown, bool cells);

    session::Workspace& m_workspace;
    session::ProfileSession& m_session;
    app::MessagePort& m_port;
    editing::DictionaryGrid m_grid;
    editing::ConfigurationOperations m_configurationOperations;
    std::optional<int> m_renaming;
    editing::Subscription m_subscription;
    int m_selectedLeft = 0;
    int m_selectedRight = 0;
    bool m_showingFill = false;
    bool m_cellsFitted = false;  // the first profile shown gave the default widths their cells

    QGroupBox* m_filterBox = nullptr;
    QCheckBox* m_rangeCheck = nullptr;
    QLineEdit* m_rangeBegin = nullptr;
    QLineEdit* m_rangeEnd = nullptr;
    QCheckBox* m_groupCheck = nullptr;
    QComboBox* m_groups = nullptr;
    RadioGroup* m_displayMode = nullptr;
    QListWidget* m_configurations = nullptr;
    QToolButton* m_createConfiguration = nullptr;
    QToolButton* m_renameConfiguration = nullptr;
    QToolButton* m_deleteConfiguration = nullptr;
    QGroupBox* m_controllerFileBox = nullptr;
    RadioGroup* m_canModule = nullptr;
    QPushButton* m_generate = nullptr;
    QPushButton* m_generateAll = nullptr;
    DictionaryOperations* m_operations = nullptr;
    DictionaryFieldEditing* m_fieldEditing = nullptr;
    DictionaryComparisons* m_comparisons = nullptr;
    DictionaryGridView* m_view = nullptr;
    DictionaryTableModel* m_model = nullptr;
};

}  // namespace tabrin::ui
