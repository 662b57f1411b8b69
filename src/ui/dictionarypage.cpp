// The page "Словарь" (TabSheetDict): the dictionary table StringGridProf with its filters, display
// mode and configuration list, and the controller-file box with the generate buttons.
#include "ui/dictionarypage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <initializer_list>

#include "editing/gridfilterinput.h"
#include "session/profilesession.h"
#include "session/workspace.h"
#include "ui/columnfit.h"
#include "ui/dictionarycomparisons.h"
#include "ui/dictionaryfieldediting.h"
#include "ui/dictionarygridview.h"
#include "ui/dictionaryoperations.h"
#include "ui/dictionarytablemodel.h"
#include "ui/flowlayout.h"
#include "ui/hexkeyfilter.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/radiogroup.h"

namespace tabrin::ui {
namespace {

constexpr int kControlSpacing = 6;
// Narrow enough for the buttons beside the list to keep the controls on one line at the first size.
constexpr int kConfigurationListWidth = 140;
constexpr int kConfigurationListHeight = 72;
// The columns of numbers and codes, whose cells a default width shows in full.
constexpr std::array<int, 4> kCodeColumns = {editing::kNumberColumn, editing::kIndexColumn, editing::kSubindexColumn,
                                             editing::kFormatColumn};

// The widgets one above the other, as one control of the page.
QWidget* column(std::initializer_list<QWidget*> widgets) {
    auto* shown = new QWidget;
    auto* layout = new QVBoxLayout(shown);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) layout->addWidget(widget);
    layout->addStretch();
    return shown;
}

QLineEdit* rangeEdit(const char* name, const char* text, QObject* keyFilter) {
    auto* edit = named(new QLineEdit(QString::fromLatin1(text)), name);
    edit->setMaxLength(4);
    edit->setFixedWidth(48);
    edit->installEventFilter(keyFilter);
    return edit;
}

}  // namespace

DictionaryPage::DictionaryPage(session::Workspace& workspace, session::ProfileSession& session, app::MessagePort& port,
                               QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_session(session),
      m_port(port),
      m_configurationOperations(workspace.document, port, workspace.translator, workspace.log) {
    setObjectName(QStringLiteral("TabSheetDict"));
    m_displayMode = named(new RadioGroup(QStringLiteral("Значения по умолчанию (IQ)"),
                                         {QStringLiteral("без изменений"), QStringLiteral("абс. единицы"),
                                          QStringLiteral("отн. единицы")}),
                          "RadioGroupDefaults");
    m_displayMode->setItemIndex(static_cast<int>(m_grid.displayMode));
    auto* report = named(new QPushButton(QStringLiteral("Отчёт в Word")), "ButtonWord");
    report->setToolTip(QStringLiteral("Экспортировать профиль в Microsoft Word"));

    m_view = new DictionaryGridView;
    m_model = new DictionaryTableModel(m_grid, workspace.translator, this);
    m_view->setModel(m_model);
    fitDefaultColumnWidths(
        app::shownProfColumnWidths(workspace.settings.profColumnWidths, workspace.englishInterface()), false);
    m_operations = new DictionaryOperations(workspace, port, m_grid, m_view, this);
    m_fieldEditing = new DictionaryFieldEditing(workspace, port, m_grid, m_view, this);
    auto* create = named(new QPushButton(QStringLiteral("Создать элемент словаря")), "ButtonNewObject");

    // The controls keep their natural sizes, side by side as far as the width allows; the table
    // takes all the rest.
    auto* controls = new FlowLayout(kControlSpacing);
    controls->addWidget(column({buildFilterBox(), report, create}));
    controls->addWidget(m_displayMode);
    controls->addWidget(buildConfigurationBox());
    controls->addWidget(buildControllerFileBox());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_view, 1);

    connect(m_displayMode, &RadioGroup::itemChosen, this, &DictionaryPage::chooseDisplayMode);
    connect(report, &QPushButton::clicked, this, &DictionaryPage::reportClicked);
    connect(create, &QPushButton::clicked, m_operations, &DictionaryOperations::createObject);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &DictionaryPage::selectCell);
    connect(m_view, &QAbstractItemView::doubleClicked, m_fieldEditing, &DictionaryFieldEditing::openEditor);
    connect(m_fieldEditing, &DictionaryFieldEditing::warningChanged, this, &DictionaryPage::editorWarningChanged);
    connect(m_fieldEditing, &DictionaryFieldEditing::textEditRequested, this, &DictionaryPage::textEditRequested);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &DictionaryPage::takeSelection);
    m_subscription = workspace.document.listen([this](const editing::DocumentChange& change) { showChange(change); });
}

QWidget* DictionaryPage::buildFilterBox() {
    m_filterBox = named(new QGroupBox(QStringLiteral("Фильтр")), "GroupBoxFilter");
    auto* keyFilter = new HexKeyFilter(this);
    m_rangeCheck = named(new QCheckBox(QStringLiteral("Диапазон")), "CheckBoxRange");
    m_rangeBegin = rangeEdit("EditRangeBegin", "0000", keyFilter);
    m_rangeEnd = rangeEdit("EditRangeEnd", "6000", keyFilter);
    m_groupCheck = named(new QCheckBox(QStringLiteral("Группа")), "CheckBoxGroup");
    m_groups = named(new QComboBox, "ComboBoxGroup");
    m_groups->setMinimumContentsLength(12);

    auto* range = new QHBoxLayout;
    range->addWidget(m_rangeCheck);
    range->addWidget(m_rangeBegin);
    range->addWidget(new QLabel(QStringLiteral("-")));
    range->addWidget(m_rangeEnd);
    range->addStretch();
    auto* group = new QHBoxLayout;
    group->addWidget(m_groupCheck);
    group->addWidget(m_groups, 1);
    auto* layout = new QVBoxLayout(m_filterBox);
    layout->addLayout(range);
    layout->addLayout(group);

    connect(m_rangeCheck, &QCheckBox::clicked, this,
            [this] { switchFilter(m_rangeCheck, &editing::DictionaryFilters::rangeOn); });
    connect(m_groupCheck, &QCheckBox::clicked, this,
            [this] { switchFilter(m_groupCheck, &editing::DictionaryFilters::groupOn); });
    connect(m_rangeBegin, &QLineEdit::returnPressed, this, &DictionaryPage::enterRange);
    connect(m_rangeEnd, &QLineEdit::returnPressed, this, &DictionaryPage::enterRange);
    connect(m_groups, &QComboBox::activated, this, &DictionaryPage::chooseGroup);
    return m_filterBox;
}

// The configuration list with its three buttons beside it and the two comparisons below.
QWidget* DictionaryPage::buildConfigurationBox() {
    auto* box = named(new QGroupBox(QStringLiteral("Конфигурации")), "GroupBoxConfigurations");
    m_configurations = named(new QListWidget, "ListBoxConfigurations");
    m_configurations->setMaximumSize(kConfigurationListWidth, kConfigurationListHeight);
    // Small buttons that say what they do; the hint says it in full.
    const auto button = [](const char* name, const char* text, const char* hint) {
        auto* tool = named(new QToolButton, name);
        tool->setText(QString::fromUtf8(text));
        tool->setToolTip(QString::fromUtf8(hint));
        tool->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return tool;
    };
    m_createConfiguration = button("ButtonNewConfiguration", "Создать", "Создать новую конфигурацию");
    m_renameConfiguration = button("ButtonRenameConfiguration", "Переименовать", "Переименовать конфигурацию");
    m_deleteConfiguration = button("ButtonDeleteConfiguration", "Удалить", "Удалить конфигурацию");
    auto* compareWithFile = button("ButtonCompareWithFile", "Сравнить с файлом…", "Сравнить с файлом…");
    auto* compareWithBase =
        button("ButtonCompareWithBase", "Сравнить с базовым профилем", "Сравнить с базовым профилем");
    m_comparisons = new DictionaryComparisons(m_workspace, m_session, m_port, compareWithFile, compareWithBase, this);
    connect(m_comparisons, &DictionaryComparisons::objectChosen, this, &DictionaryPage::showObject);
    auto* configurationButtons = new QVBoxLayout;
    configurationButtons->setSpacing(0);
    for (QToolButton* tool : {m_createConfiguration, m_renameConfiguration, m_deleteConfiguration})
        configurationButtons->addWidget(tool);
    configurationButtons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(m_configurations);
    list->addLayout(configurationButtons);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setSpacing(0);
    boxLayout->addLayout(list);
    boxLayout->addWidget(compareWithFile);
    boxLayout->addWidget(compareWithBase);
    connect(m_configurations, &QListWidget::currentRowChanged, this, &DictionaryPage::chooseConfiguration);
    connect(m_createConfiguration, &QPushButton::clicked, this, &DictionaryPage::createConfiguration);
    connect(m_renameConfiguration, &QPushButton::clicked, this,
            [this] { startRename(m_workspace.profile.CurrSubProfile); });
    connect(m_deleteConfiguration, &QPushButton::clicked, this, [this] { m_configurationOperations.removeCurrent(); });
    connect(m_configurations, &QListWidget::itemChanged, this, &DictionaryPage::finishRename);
    connect(m_configurations->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this] { setRenaming(std::nullopt); });
    return box;
}

QWidget* DictionaryPage::buildControllerFileBox() {
    m_controllerFileBox = named(new QGroupBox(QStringLiteral("Файл словаря для контроллера")), "GroupBoxVost");
    m_canModule = named(new RadioGroup(QStringLiteral("Модуль CAN"),
                                       {QStringLiteral("Процессор с одним модулем CAN"),
                                        QStringLiteral("1-ый модуль CANopen"), QStringLiteral("2-ой модуль CANopen")}),
                        "rgCANmoduleNum");
    m_generate = named(new QPushButton(QStringLiteral("Генерировать")), "ButtonGenerate");
    m_generateAll = named(new QPushButton(QStringLiteral("Генерировать всё")), "btnGenAll");
    m_generateAll->setToolTip(
        QStringLiteral("Генерировать файлы vost.c для обоих модулей CAN1/CAN2 по всем конфигурациям (кроме базовой)"));
    m_generateAll->hide();
    // The buttons below the module choice keep the box narrow enough for one line of controls.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_generate);
    buttons->addWidget(m_generateAll);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(m_controllerFileBox);
    layout->addWidget(m_canModule);
    layout->addLayout(buttons);
    connect(m_generate, &QPushButton::clicked, this, &DictionaryPage::generateClicked);
    connect(m_generateAll, &QPushButton::clicked, this, &DictionaryPage::generateAllClicked);
    return m_controllerFileBox;
}

void DictionaryPage::showProfile() {
    m_grid.filters.rangeOn = false;
    m_grid.filters.groupOn = false;
    m_rangeCheck->setChecked(false);
    m_groupCheck->setChecked(false);
    m_view->setRowDragging(true);
    m_grid.clear();
    m_comparisons->forgetComparison();

    fillGroupList(0);
    showConfigurations();
    // Rename and delete wait for the user's choice of a configuration.
    m_renameConfiguration->setEnabled(false);
    m_deleteConfiguration->setEnabled(false);
    fill();
    if (!m_cellsFitted) fitDefaultColumnWidths(columnWidths(), true);
    m_cellsFitted = true;
    m_view->scrollToFirstRow(0);
}

// A column still at its default width shows its header in full and, with `cells`, a column of
// numbers and codes its cells; the first profile shown gives the cells, whose widths then stay.
void DictionaryPage::fitDefaultColumnWidths(const app::ProfColumnWidths& shown, bool cells) {
    app::ProfColumnWidths needs{};
    for (int column = 0; column < static_cast<int>(needs.size()); ++column) {
        const bool codes = std::find(kCodeColumns.begin(), kCodeColumns.end(), column) != kCodeColumns.end();
        needs[static_cast<std::size_t>(column)] = fittingWidth(m_view, column, cells && codes);
    }
    const app::ProfColumnWidths widths =
        app::widenedDefaultProfColumnWidths(m_workspace.settings.profColumnWidths, shown, needs);
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        m_view->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
}

void DictionaryPage::fillGroupList(int position) {
    const QSignalBlocker blocker(m_groups);
    m_groups->clear();
    for (const std::string& item :
         editing::groupListItems(m_workspace.sets, m_workspace.profile.settings.group_set, m_workspace.language))
        m_groups->addItem(toQString(item));
    m_groups->setCurrentIndex(position >= 0 && position < m_groups->count() ? position : 0);
}

void DictionaryPage::showNoProfile() {
    m_grid.clear();
    m_comparisons->forgetComparison();
    m_model->showFill();
    m_configurations->clear();
    m_groups->clear();
}

// The after-change sequence: the table filled again with the scroll position kept, where a table
// scrolled to its end stays at its end; undo and redo select the objects they touched.
void DictionaryPage::showChange(const editing::DocumentChange& change) {
    using editing::ChangeKind;
    if (!m_session.isOpen() ||
        !editing::touches(change.kinds, ChangeKind::Objects | ChangeKind::Configurations | ChangeKind::Settings))
        return;
    const QScrollBar* scroll = m_view->verticalScrollBar();
    const bool atEnd = scroll->maximum() > 0 && scroll->value() == scroll->maximum();
    if (change.cause == editing::ChangeCause::Undone || change.cause == editing::ChangeCause::Redone)
        m_grid.selectObjects(change.objects);
    // The group enumeration may have changed. A position is a group value, so the filter keeps its
    // group where the new enumeration has one.
    if (editing::touches(change.kinds, ChangeKind::Settings)) fillGroupList(m_groups->currentIndex());
    if (editing::touches(change.kinds, ChangeKind::Configurations)) showConfigurations();
    fill();
    if (atEnd)
        m_view->scrollToFirstRow(editing::restoredFirstVisibleRow(m_view->firstVisibleRow(), true, m_model->rowCount(),
                                                                  m_view->visibleRowCount()));
}

void DictionaryPage::fill() {
    int firstRow = m_view->firstVisibleRow();
    const int firstColumnOffset = m_view->horizontalScrollBar()->value();
    rememberSelectedColumns();
    m_grid.filters.rangeBegin = fromQString(m_rangeBegin->text());
    m_grid.filters.rangeEnd = fromQString(m_rangeEnd->text());
    m_grid.filters.group = m_groups->currentIndex();
    m_grid.fill(m_workspace.profile, m_workspace.services(m_port));

    m_showingFill = true;
    m_model->showFill();
    showSelection();
    m_showingFill = false;
    if (const std::optional<int> selected = m_grid.selectedRow())
        firstRow = editing::firstVisibleRowShowing(*selected, firstRow, m_view->visibleRowCount());
    m_view->scrollToFirstRow(firstRow);
    m_view->horizontalScrollBar()->setValue(firstColumnOffset);
    m_controllerFileBox->setTitle(
        toQString(editing::controllerFileBoxCaption(m_grid.viewObjectCount(), m_workspace.translator)));
    m_operations->rebuildConfigurationMenus();
}

void DictionaryPage::rememberSelectedColumns() {
    const QItemSelection selection = m_view->selectionModel()->selection();
    if (selection.isEmpty()) return;
    m_selectedLeft = selection.front().left();
    m_selectedRight = selection.front().right();
}

// The kept row is selected over the columns selected before; it becomes the current cell without
// counting as the user's selection.
void DictionaryPage::showSelection() {
    const std::vector<int>& rows = m_grid.selectedRows();
    if (rows.empty()) return;
    QItemSelection selection;
    for (const int row : rows)
        selection.select(m_model->index(row, m_selectedLeft), m_model->index(row, m_selectedRight));
    m_view->selectionModel()->setCurrentIndex(m_model->index(rows.front(), m_selectedLeft),
                                              QItemSelectionModel::NoUpdate);
    m_view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void DictionaryPage::selectCell(const QModelIndex& current) {
    if (m_showingFill) return;
    m_grid.setCurrent(current.isValid() ? std::optional<int>(current.row()) : std::nullopt);
    if (!current.isValid() || current.column() != editing::kGroupColumn) return;
    m_fieldEditing->openGroupPicker(current.row());
}

// The table keeps the rows of its selection as the user makes it, a range only with Shift held.
void DictionaryPage::takeSelection() {
    if (m_showingFill) return;
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_view->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    m_grid.selectRows(std::move(rows));
}

void DictionaryPage::switchFilter(QCheckBox* box, bool editing::DictionaryFilters::*filter) {
    m_grid.filters.*filter = box->isChecked();
    // Rows are dragged only while both filters are off.
    m_view->setRowDragging(!m_grid.filters.rangeOn && !m_grid.filters.groupOn);
    fill();
    m_workspace.log.writeLog(
        editing::filterSwitchLogLine(fromQString(m_filterBox->title()), fromQString(box->text()), box->isChecked()));
}

void DictionaryPage::enterRange() {
    if (m_grid.filters.rangeOn) fill();
    m_workspace.log.writeLog(editing::rangeLogLine(fromQString(m_filterBox->title()), fromQString(m_rangeBegin->text()),
                                                   fromQString(m_rangeEnd->text())));
}

void DictionaryPage::chooseGroup(int position) {
    if (m_grid.filters.groupOn) {
        fill();
    } else if (const std::optional<int> row = m_grid.groupRow(position, m_workspace.profile)) {
        m_view->scrollToFirstRow(*row);
    }
    m_workspace.log.writeLog(
        editing::groupChoiceLogLine(fromQString(m_filterBox->title()), fromQString(m_groups->itemText(position))));
}

void DictionaryPage::chooseDisplayMode(int mode) {
    m_grid.displayMode = static_cast<editing::ValueDisplayMode>(mode);
    m_workspace.log.writeLog(
        editing::displayModeLogLine(fromQString(m_displayMode->title()), fromQString(m_displayMode->itemText(mode))));
    fill();
}

void DictionaryPage::showConfigurations() {
    const model::Profile& profile = m_workspace.profile;
    const QSignalBlocker blocker(m_configurations);
    m_configurations->clear();
    for (const model::SubProfile& configuration : profile.configurations) {
        auto* item = new QListWidgetItem(toQString(configuration.name), m_configurations);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_configurations->setCurrentRow(profile.CurrSubProfile);
    const bool renamable = editing::ConfigurationOperations::canRenameOrDelete(profile.CurrSubProfile);
    m_renameConfiguration->setEnabled(renamable);
    m_deleteConfiguration->setEnabled(renamable);
    m_generateAll->setVisible(profile.configurations.size() > 1);
    m_comparisons->updateButtons();
}

void DictionaryPage::chooseConfiguration(int position) {
    if (position < 0 || m_renaming) return;
    m_configurationOperations.select(position);
}

void DictionaryPage::createConfiguration() {
    setRenaming(std::nullopt);
    m_configurationOperations.create();
    startRename(m_workspace.profile.CurrSubProfile);
}

// While a name is edited the list is a text field and the buttons wait.
void DictionaryPage::startRename(int position) {
    if (!editing::ConfigurationOperations::canRenameOrDelete(position) || position >= m_configurations->count()) return;
    m_configurationOperations.startRename(position);
    setRenaming(position);
    m_configurations->setFocus();
    m_configurations->editItem(m_configurations->item(position));
}

void DictionaryPage::finishRename(QListWidgetItem* item) {
    if (!m_renaming || m_configurations->row(item) != *m_renaming) return;
    const int position = *m_renaming;
    setRenaming(std::nullopt);
    m_configurationOperations.rename(position, fromQString(item->text()));
}

void DictionaryPage::setRenaming(std::optional<int> position) {
    m_renaming = position;
    const bool idle = !position.has_value();
    const bool renamable = editing::ConfigurationOperations::canRenameOrDelete(m_workspace.profile.CurrSubProfile);
    m_createConfiguration->setEnabled(idle);
    m_renameConfiguration->setEnabled(idle && renamable);
    m_deleteConfiguration->setEnabled(idle && renamable);
}

void DictionaryPage::showObject(model::ObjectSerial object) {
    const std::optional<int> row = m_grid.rowOf(object);
    if (!row) return;
    m_grid.select(*row);
    m_showingFill = true;
    showSelection();
    m_showingFill = false;
    m_view->scrollToFirstRow(editing::firstVisibleRowShowing(*row, m_view->firstVisibleRow(), m_view->visibleRowCount()));
}

int DictionaryPage::topRow() const { return m_view->firstVisibleRow() + 1; }

void DictionaryPage::scrollToTopRow(int row) { m_view->scrollToFirstRow(row - 1); }

app::ProfColumnWidths DictionaryPage::columnWidths() const {
    app::ProfColumnWidths widths{};
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        widths[static_cast<std::size_t>(column)] = m_view->columnWidth(column);
    return widths;
}

void DictionaryPage::setGenerating(bool generating) {
    m_generate->setEnabled(!generating);
    m_generateAll->setEnabled(!generating);
}

}  // namespace tabrin::ui
