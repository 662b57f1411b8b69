// The texts page "Тексты": a table over the core's page logic; every edit goes through it.
#include "ui/textspage.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editing/enumerationspage.h"
#include "session/workspace.h"
#include "ui/authorchangedialog.h"
#include "ui/baseexportbutton.h"
#include "ui/basetextdelegate.h"
#include "ui/columnlayout.h"
#include "ui/editorcommit.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/rowwheel.h"

namespace tabrin::ui {

class TextsTableModel : public QAbstractTableModel {
public:
    TextsTableModel(const std::unique_ptr<editing::TextsPage>& page, QObject* parent) : QAbstractTableModel(parent), m_page(page) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_page ? 0 : m_page->rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : editing::kTextsColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole || role == Qt::EditRole) return toQString(m_page->cell(index.row(), index.column()));
        if (role == Qt::ForegroundRole && !m_page->isOwn(index.row()) && index.column() != editing::kTextNumber)
            return QPalette().color(QPalette::Disabled, QPalette::Text);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_page) return {};
        return toQString(m_page->headers().at(static_cast<std::size_t>(section)));
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (m_page->canEdit(index.row(), index.column())) flags |= Qt::ItemIsEditable;
        return flags;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole) return false;
        return m_page->setCell(index.row(), index.column(), fromQString(value.toString()));
    }
    void reset() {
        beginResetModel();
        endResetModel();
    }

private:
    const std::unique_ptr<editing::TextsPage>& m_page;
};

TextsPageWidget::TextsPageWidget(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                                 QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_port(port) {
    setObjectName(QStringLiteral("TabSheetTexts"));
    app::Translator& translator = workspace.translator;
    m_filter = named(new QLineEdit, "editTextsFilter");
    m_showOthers = named(new QCheckBox(translatedText(translator, "Показывать чужие тексты")), "CheckBoxShowAllTexts");
    m_add = named(new QPushButton(translatedText(translator, "Добавить")), "btnAddNewText");
    m_save = named(new QPushButton(translatedText(translator, "Сохранить")), "btnSaveTexts");
    m_save->setToolTip(translatedText(translator, "Сохранить тексты в XML-базу на диске"));
    m_table = named(new QTableView, "StringGridTexts");
    m_binding = named(new QComboBox, "cbBindedEnum");
    m_binding->setMaxVisibleItems(40);
    m_showOtherEnums = named(new QCheckBox(translatedText(translator, "Показать чужие")), "cbShowAllEnumsToBind");
    m_enumAuthor = named(new QLabel, "labelEnumAuthor1");
    m_boundItems = named(new QTableWidget(0, 5), "sgBindedEnum");
    m_boundItems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_boundItems->verticalHeader()->hide();
    m_warning = named(new QLabel, "labelTextsWarning");
    m_warning->setAutoFillBackground(true);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(translatedText(translator, "Фильтр")));
    top->addWidget(m_filter, 1);
    top->addWidget(m_showOthers);
    top->addWidget(m_add);
    top->addWidget(m_save);
    top->addWidget(makeBaseExportButton("btnExportToFile1", workspace, dialogs, port));
    auto* binding = new QHBoxLayout;
    binding->addWidget(new QLabel(translatedText(translator, "Привязка к перечислению")));
    binding->addWidget(m_binding, 1);
    binding->addWidget(m_showOtherEnums);
    binding->addWidget(m_enumAuthor);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(binding);
    layout->addWidget(m_boundItems);
    layout->addWidget(m_warning);

    m_model = new TextsTableModel(m_page, this);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setItemDelegate(new BaseTextDelegate([](std::string_view typed) { return std::string(typed); },
                                                  [this] {
                                                      if (m_page) m_page->tellQuoteRefused();
                                                  },
                                                  m_table));
    RowWheel::install(m_table);
    RowWheel::install(m_boundItems);
    m_tableColumns = ColumnLayout::install(
        m_table, [this](int width) { return editing::TextsPage::columnWidths(width, m_workspace.language); });
    // The bound enumeration's items have the columns of the enumerations page's items.
    m_boundItemColumns = ColumnLayout::install(m_boundItems, [this](int width) {
        return editing::EnumerationsPage::columnWidths(width, m_workspace.language);
    });

    connect(m_filter, &QLineEdit::textChanged, this, [this] { refill({}); });
    connect(m_showOthers, &QCheckBox::toggled, this, [this] { refill({}); });
    connect(m_showOtherEnums, &QCheckBox::toggled, this, [this] { rowChosen(); });
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (const std::optional<std::string> number = m_page->add()) refill(*number);
    });
    connect(m_save, &QPushButton::clicked, this, [this] {
        commitOpenEditors(this);
        m_workspace.textsDocument.save(m_port);
    });
    connect(m_binding, &QComboBox::activated, this, &TextsPageWidget::bindingChosen);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { rowChosen(); });
    connect(m_table, &QTableView::doubleClicked, this, &TextsPageWidget::cellDoubleClicked);
    connect(m_boundItems, &QTableWidget::cellDoubleClicked, this,
            [this] { emit enumerationWanted(m_binding->currentData().toString()); });
    m_subscription = m_workspace.textsDocument.listen([this](const editing::DocumentChange& change) {
        m_save->setEnabled(m_workspace.textsDocument.isModified());
        if (change.cause != editing::ChangeCause::Done) refill({});
        else rowChosen();
    });
    m_save->setEnabled(false);
}

TextsPageWidget::~TextsPageWidget() = default;

void TextsPageWidget::showBase() {
    m_page = std::make_unique<editing::TextsPage>(m_workspace.textsDocument, m_workspace.sets, m_workspace.user,
                                                  m_workspace.language, m_workspace.translator, m_port);
    m_save->setEnabled(m_workspace.textsDocument.isModified());
    refill({});
    m_tableColumns->apply();  // the page gives the headers
}

void TextsPageWidget::showText(std::string_view number) {
    refill(number);
    m_table->setFocus();
}

bool TextsPageWidget::leave() {
    commitOpenEditors(this);
    return !m_page || m_page->leave();
}

int TextsPageWidget::currentRow() const {
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// The row of the number kept, or of the text selected before, stays selected.
void TextsPageWidget::refill(std::string_view keepNumber) {
    if (!m_page) return;
    std::string kept(keepNumber);
    const int before = currentRow();
    if (kept.empty() && before >= 0 && before < m_page->rowCount())
        kept = m_page->cell(before, editing::kTextNumber);
    const int column = std::max(m_table->currentIndex().column(), 0);
    const int row = m_page->fill(fromQString(m_filter->text()), m_showOthers->isChecked(), kept);
    m_model->reset();
    if (row >= 0) {
        m_table->setCurrentIndex(m_model->index(row, column));
        m_table->scrollTo(m_model->index(row, column), QAbstractItemView::PositionAtCenter);
    }
    rowChosen();
}

void TextsPageWidget::rowChosen() {
    if (!m_page) return;
    const int row = currentRow();
    const std::string warning = m_page->duplicateWarning(row, m_table->currentIndex().column());
    m_warning->setText(toQString(warning));
    QPalette palette = m_warning->palette();
    palette.setColor(QPalette::Window, warning.empty() ? QPalette().color(QPalette::Button) : QColor(Qt::yellow));
    m_warning->setPalette(palette);

    m_fillingBinding = true;
    m_binding->clear();
    const editing::BindingList list = m_page->bindingList(row, m_showOtherEnums->isChecked());
    for (const editing::BindingEntry& entry : list.entries)
        m_binding->addItem(toQString(entry.name), toQString(entry.number));
    m_binding->setCurrentIndex(list.selected);
    m_binding->setEnabled(row >= 0);
    m_fillingBinding = false;
    showBoundEnumeration(row);
}

void TextsPageWidget::showBoundEnumeration(int row) {
    m_enumAuthor->setText(toQString(m_page->boundAuthorLine(row)));
    QStringList headers;
    for (const std::string& header : m_page->boundItemHeaders()) headers << toQString(header);
    m_boundItems->setHorizontalHeaderLabels(headers);
    m_boundItemColumns->apply();
    const std::vector<editing::BoundItemRow> items = m_page->boundItems(row);
    m_boundItems->setRowCount(static_cast<int>(items.size()));
    for (int item = 0; item < m_boundItems->rowCount(); ++item) {
        for (int column = 0; column < m_boundItems->columnCount(); ++column) {
            const std::string& text = items[static_cast<std::size_t>(item)][static_cast<std::size_t>(column)];
            m_boundItems->setItem(item, column, new QTableWidgetItem(toQString(text)));
        }
    }
}

void TextsPageWidget::bindingChosen(int entry) {
    if (m_fillingBinding || !m_page) return;
    m_page->bind(currentRow(), fromQString(m_binding->itemData(entry).toString()));
}

// A double click in the author column of an own text offers the author change.
void TextsPageWidget::cellDoubleClicked(const QModelIndex& index) {
    if (!m_page) return;
    std::optional<editing::AuthorChange> change = m_page->authorChange(index.row(), index.column());
    if (!change) return;
    const std::optional<std::string> author = AuthorChangeDialog::ask(std::move(*change), m_workspace.translator, this);
    if (author && m_page->changeAuthor(index.row(), *author)) refill(m_page->cell(index.row(), editing::kTextNumber));
}

}  // namespace tabrin::ui
