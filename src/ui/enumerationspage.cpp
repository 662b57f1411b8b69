// The enumerations page "Перечисления": controls over the core's page logic; every change goes
// through it.
#include "ui/enumerationspage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "editing/textspage.h"
#include "session/workspace.h"
#include "ui/authorchangedialog.h"
#include "ui/baseexportbutton.h"
#include "ui/basetextdelegate.h"
#include "ui/columnlayout.h"
#include "ui/editorcommit.h"
#include "ui/enumerationcopydialog.h"
#include "ui/enumerationtables.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/rowwheel.h"

namespace tabrin::ui {

EnumerationsPageWidget::EnumerationsPageWidget(session::Workspace& workspace, app::MessagePort& port,
                                               app::FileDialogPort& dialogs, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_port(port) {
    setObjectName(QStringLiteral("TabSheetEnums"));
    buildLayout(dialogs);
    connectControls();
    m_setsSubscription =
        m_workspace.setsDocument.listen([this](const editing::DocumentChange& change) { baseChanged(change); });
    m_textsSubscription = m_workspace.textsDocument.listen([this](const editing::DocumentChange&) {
        if (m_page) m_page->listBoundTexts();
        showBoundTexts();
    });
    showSelected();
}

EnumerationsPageWidget::~EnumerationsPageWidget() = default;

void EnumerationsPageWidget::buildLayout(app::FileDialogPort& dialogs) {
    app::Translator& translator = m_workspace.translator;
    m_filter = named(new QLineEdit, "editEnumsFilter");
    m_showOthers =
        named(new QCheckBox(translatedText(translator, "Показывать чужие перечисления")), "CheckBoxShowAllSets");
    m_selector = named(new QComboBox, "CBSet");
    m_selector->setToolTip(translatedText(translator, "Перечисление с ProductCode'ами - №56"));
    m_add = named(new QPushButton(translatedText(translator, "Добавить")), "btnAddNewEnum");
    m_add->setToolTip(translatedText(translator, "Добавить новое перечисление"));
    m_save = named(new QPushButton(translatedText(translator, "Сохранить")), "btnSaveEnums");
    m_save->setToolTip(translatedText(translator, "Сохранить перечисления в XML-базу на диске"));
    m_copy = named(new QPushButton(translatedText(translator, "Копировать")), "btnCopyEnum");
    m_copy->setToolTip(translatedText(translator, "Копировать перечисление"));
    m_size = named(new QLineEdit, "editEnumSize");
    m_size->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), m_size));
    m_size->setMaxLength(3);
    m_size->setMaximumWidth(50);
    m_sizeButtons = named(new QWidget, "udEnumSize");
    m_sizeUp = named(new QToolButton, "udEnumSizeUp");
    m_sizeUp->setArrowType(Qt::UpArrow);
    m_sizeDown = named(new QToolButton, "udEnumSizeDown");
    m_sizeDown->setArrowType(Qt::DownArrow);
    m_author = named(new QLabel, "labelEnumAuthor2");
    m_changeAuthor = named(new QPushButton(translatedText(translator, "Сменить")), "ButtonSetAuthor");
    m_changeAuthor->setToolTip(translatedText(translator, "Сменить автора"));
    m_table = named(new QTableView, "StringGridSets");
    m_boundLabel = named(new QLabel, "labelBindedTexts");
    m_boundTable = named(new QTableView, "sgBindedTexts");
    m_boundMenu = named(new QMenu(this), "pmBindedTexts");
    named(m_boundMenu->addAction(translatedText(translator, "Отвязать от перечисления")), "menuUnbinText");

    auto* buttons = new QVBoxLayout(m_sizeButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(m_sizeUp);
    buttons->addWidget(m_sizeDown);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(translatedText(translator, "Фильтр")));
    top->addWidget(m_filter, 1);
    top->addWidget(m_showOthers);
    top->addWidget(m_add);
    top->addWidget(m_save);
    top->addWidget(makeBaseExportButton("btnExportToFile2", m_workspace, dialogs, m_port));
    auto* set = new QHBoxLayout;
    set->addWidget(m_selector, 1);
    set->addWidget(m_copy);
    set->addWidget(m_size);
    set->addWidget(m_sizeButtons);
    set->addWidget(m_author);
    set->addWidget(m_changeAuthor);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(set);
    layout->addWidget(m_table, 2);
    layout->addWidget(m_boundLabel);
    layout->addWidget(m_boundTable, 1);

    m_items = new EnumerationItemsModel(m_page, this);
    m_table->setModel(m_items);
    m_table->setItemDelegate(
        new BaseTextDelegate([](std::string_view typed) { return editing::withoutSeparators(typed); },
                             [this] {
                                 if (m_page) m_page->tellQuoteRefused();
                             },
                             m_table));
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_bound = new BoundTextsModel(m_page, this);
    m_boundTable->setModel(m_bound);
    m_boundTable->verticalHeader()->hide();
    m_boundTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_boundTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_boundTable->setContextMenuPolicy(Qt::CustomContextMenu);
    RowWheel::install(m_table);
    RowWheel::install(m_boundTable);
    m_itemColumns = ColumnLayout::install(m_table, [this](int width) {
        return editing::EnumerationsPage::columnWidths(width, m_workspace.language);
    });
    // The bound texts have the columns of the texts page's texts.
    m_boundTextColumns = ColumnLayout::install(
        m_boundTable, [this](int width) { return editing::TextsPage::columnWidths(width, m_workspace.language); });
}

void EnumerationsPageWidget::connectControls() {
    connect(m_filter, &QLineEdit::textChanged, this, [this] { fillSelector(); });
    connect(m_showOthers, &QCheckBox::toggled, this, [this] {
        if (m_filling) return;
        fillSelector();
        m_filter->setFocus();
        m_filter->end(false);
    });
    connect(m_selector, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (m_filling || !m_page) return;
        m_page->select(entry);
        showSelected();
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_page && m_page->add()) fillSelector();
    });
    connect(m_save, &QPushButton::clicked, this, &EnumerationsPageWidget::save);
    connect(m_copy, &QPushButton::clicked, this, &EnumerationsPageWidget::copy);
    connect(m_changeAuthor, &QPushButton::clicked, this, &EnumerationsPageWidget::changeAuthor);
    connect(m_size, &QLineEdit::returnPressed, this, [this] {
        if (m_page) m_page->enterSize(fromQString(m_size->text()));
        m_size->setText(toQString(m_page ? m_page->sizeText() : std::string()));
    });
    m_size->installEventFilter(this);
    connect(m_sizeUp, &QToolButton::clicked, this, [this] {
        if (m_page) m_page->stepSize(fromQString(m_size->text()), 1);
    });
    connect(m_sizeDown, &QToolButton::clicked, this, [this] {
        if (m_page) m_page->stepSize(fromQString(m_size->text()), -1);
    });
    connect(m_boundTable, &QTableView::customContextMenuRequested, this, &EnumerationsPageWidget::boundTextsMenu);
    connect(m_boundMenu->actions().front(), &QAction::triggered, this, [this] {
        if (m_page) m_page->unbind(m_menuRow);
    });
    connect(m_boundTable, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_page && index.isValid())
            emit textWanted(toQString(m_page->boundTextCell(index.row(), editing::kBoundTextNumber)));
    });
}

void EnumerationsPageWidget::showBase() {
    m_page = std::make_unique<editing::EnumerationsPage>(m_workspace.setsDocument, m_workspace.textsDocument,
                                                         m_workspace.user, m_workspace.language, m_workspace.translator,
                                                         m_port);
    fillSelector();
    // The page gives the headers.
    m_itemColumns->apply();
    m_boundTextColumns->apply();
}

void EnumerationsPageWidget::pageShown() {
    if (m_page) m_page->refill();
    showSelectorEntries();
    m_filter->setFocus();
}

void EnumerationsPageWidget::showEnumeration(std::string_view number) {
    if (!m_page) return;
    m_page->showEnumeration(number);
    showListChoice();
}

// The filter field and the show-others box as the page has them, and its entries.
void EnumerationsPageWidget::showListChoice() {
    m_filling = true;
    m_filter->setText(toQString(m_page->filter()));
    m_showOthers->setChecked(m_page->showsOthers());
    m_filling = false;
    showSelectorEntries();
}

void EnumerationsPageWidget::fillSelector() {
    if (m_filling || !m_page) return;
    m_page->fill(fromQString(m_filter->text()), m_showOthers->isChecked());
    showSelectorEntries();
}

// The selector shows the page's entries, the selected one current.
void EnumerationsPageWidget::showSelectorEntries() {
    m_filling = true;
    m_selector->clear();
    if (m_page) {
        QStringList names;
        for (int entry = 0; entry < m_page->entryCount(); ++entry) names << toQString(m_page->entryName(entry));
        m_selector->addItems(names);
        m_selector->setCurrentIndex(m_page->selectedEntry());
    }
    m_filling = false;
    showSelected();
}

void EnumerationsPageWidget::showSelected() {
    const bool shown = m_page && m_page->selected();
    const bool own = shown && m_page->isOwn();
    m_items->refresh();
    m_table->setEnabled(shown);
    m_table->setVisible(shown);
    for (QWidget* control : std::initializer_list<QWidget*>{m_size, m_sizeButtons, m_author, m_copy, m_changeAuthor})
        control->setVisible(shown);
    m_size->setEnabled(own);
    m_sizeButtons->setEnabled(own);
    m_changeAuthor->setEnabled(own);
    m_size->setText(toQString(shown ? m_page->sizeText() : std::string()));
    m_author->setText(toQString(shown ? m_page->authorLine() : std::string()));
    QPalette palette = m_author->palette();
    palette.setColor(QPalette::WindowText, own || !shown ? QPalette().color(QPalette::WindowText) : QColor(Qt::red));
    m_author->setPalette(palette);
    m_save->setEnabled(m_workspace.setsDocument.isModified());
    showBoundTexts();
}

void EnumerationsPageWidget::showBoundTexts() {
    m_bound->reset();
    const bool any = m_page && m_page->boundTextCount() > 0;
    m_boundTable->setVisible(any);
    m_boundLabel->setText(toQString(m_page ? m_page->boundTextsLabel() : std::string()));
}

// An edit, a new size, a copy or a new author shows in place; an undo, a redo or a reload may take
// enumerations away, so the selector is filled again.
void EnumerationsPageWidget::baseChanged(const editing::DocumentChange& change) {
    if (!m_page) {
        m_save->setEnabled(m_workspace.setsDocument.isModified());
        return;
    }
    if (change.cause != editing::ChangeCause::Done) m_page->refill();
    showSelectorEntries();
}

void EnumerationsPageWidget::save() {
    if (!m_page) return;
    commitOpenEditors(this);
    m_page->save();
}

bool EnumerationsPageWidget::leave() {
    if (!m_page) return true;
    commitOpenEditors(this);
    return m_page->leave();
}

void EnumerationsPageWidget::copy() {
    if (!m_page) return;
    commitOpenEditors(this);
    std::optional<editing::EnumerationCopy> copy = m_page->startCopy();
    if (!copy) return;
    EnumerationCopyDialog dialog(*copy, m_workspace.translator, this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_page->copied(*copy);
    showListChoice();
}

void EnumerationsPageWidget::changeAuthor() {
    if (!m_page) return;
    commitOpenEditors(this);
    std::optional<editing::AuthorChange> change = m_page->authorChange();
    if (!change) return;
    if (const std::optional<std::string> author =
            AuthorChangeDialog::ask(std::move(*change), m_workspace.translator, this))
        m_page->changeAuthor(*author);
}

void EnumerationsPageWidget::boundTextsMenu(const QPoint& at) {
    const QModelIndex index = m_boundTable->indexAt(at);
    if (!index.isValid() || !m_page) return;
    m_boundTable->setCurrentIndex(index);
    m_menuRow = index.row();
    m_boundMenu->popup(m_boundTable->viewport()->mapToGlobal(at));
}

bool EnumerationsPageWidget::eventFilter(QObject* watched, QEvent* event) {
    // A size typed without Enter is dropped when the field is left.
    if (watched == m_size && event->type() == QEvent::FocusOut)
        m_size->setText(toQString(m_page ? m_page->sizeText() : std::string()));
    return QWidget::eventFilter(watched, event);
}

}  // namespace tabrin::ui
