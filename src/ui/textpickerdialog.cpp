// The text picker "Выберите текст для объекта" (TFormChooseText): the text base's texts to choose
// the text of one object from, with the filter and the sort buttons.
#include "ui/textpickerdialog.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "bases/textbaseelement.h"
#include "editing/textpicker.h"
#include "ui/columnfit.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

constexpr int kNumberColumnWidth = 46;
constexpr int kSearchCharacters = 24;  // the filter field shows at least this many
const QColor kCurrentTextBackground(230, 239, 250);

}  // namespace

/// The picker's rows read on demand, the object's current text on its own background.
class TextPickerModel : public QAbstractTableModel {
public:
    explicit TextPickerModel(const editing::TextPicker& picker, QObject* parent)
        : QAbstractTableModel(parent), m_picker(picker), m_currentRow(picker.currentRow().value_or(-1)) {
        for (const std::string& header : picker.headers()) m_headers << toQString(header);
    }

    void showRows() {
        beginResetModel();
        m_currentRow = m_picker.currentRow().value_or(-1);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_picker.rows().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : editing::kTextPickerColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const editing::TextPickerRow& row = m_picker.rows()[static_cast<std::size_t>(index.row())];
        if (role == Qt::DisplayRole) return toQString(row.cells[static_cast<std::size_t>(index.column())]);
        if (index.column() == 0 || index.row() != m_currentRow) return {};
        if (role == Qt::BackgroundRole) return kCurrentTextBackground;
        if (role == Qt::ForegroundRole) return QColor(Qt::black);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_headers.value(section);
        return {};
    }

private:
    const editing::TextPicker& m_picker;
    int m_currentRow;  // -1 when the current text is not listed
    QStringList m_headers;
};

TextPickerDialog::TextPickerDialog(editing::TextPicker& picker, const app::ChooseTextColumnWidths& widths,
                                   app::Translator& translator, QWidget* parent)
    : QDialog(parent),
      m_picker(picker),
      m_model(new TextPickerModel(picker, this)),
      m_list(named(new QTableView, "StringGridChooseText")),
      m_editingMenu(named(new QMenu(this), "PopupMenuEditing")),
      m_moveToEdit(named(m_editingMenu->addAction(QStringLiteral("Перейти к редактированию")), "MoveToEdit")) {
    setObjectName(QStringLiteral("TFormChooseText"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    for (int column = 0; column < editing::kTextPickerColumns; ++column)
        m_list->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    m_list->setColumnHidden(static_cast<int>(app::chooseTextRussianColumn), widths[app::chooseTextRussianColumn] == 0);

    auto* ok = named(new QPushButton(QStringLiteral("OK")), "ButtonOK");
    auto* cancel = named(new QPushButton(QStringLiteral("Отмена")), "ButtonCancel");
    // The sort buttons take a row of their own: beside them the filter field had no room left.
    auto* controls = new QHBoxLayout;
    controls->addWidget(buildSearchBox(), 1);
    controls->addWidget(ok);
    controls->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(buildSortBox());
    layout->addLayout(controls);
    resize(960, 600);

    connect(ok, &QPushButton::clicked, this, &TextPickerDialog::choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTableView::doubleClicked, this, &TextPickerDialog::choose);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &TextPickerDialog::offerEditing);
    connect(m_moveToEdit, &QAction::triggered, this, &TextPickerDialog::goToEditing);
    translateWindow(this, translator);
    showNumberColumn();
    // The caption names the current text, which the translation of the window does not know.
    setWindowTitle(toQString(picker.caption()));
    if (const std::optional<int> current = picker.currentRow()) selectRow(*current);
}

QWidget* TextPickerDialog::buildSortBox() {
    auto* box = named(new QGroupBox(QStringLiteral("Сортировка")), "GroupBoxSort");
    auto* layout = new QHBoxLayout(box);
    const struct {
        const char* name;
        const char* text;
        editing::TextSortKey key;
    } buttons[] = {
        {"ButtonSortNum", "по номеру", editing::TextSortKey::Number},
        {"ButtonSortLong", "по длинному тексту", editing::TextSortKey::LongText},
        {"ButtonSortShort", "по короткому тексту", editing::TextSortKey::ShortText},
        {"ButtonSortAuthor", "по автору", editing::TextSortKey::Author},
    };
    for (const auto& entry : buttons) {
        auto* button = named(new QPushButton(QString::fromUtf8(entry.text)), entry.name);
        button->setAutoDefault(false);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, button, key = entry.key] { sort(key, button); });
    }
    layout->addStretch();
    return box;
}

QWidget* TextPickerDialog::buildSearchBox() {
    auto* box = named(new QGroupBox(QStringLiteral("Поиск/фильтр текстов")), "GroupBoxSearch");
    m_search = named(new QLineEdit, "EditSearch");
    m_search->setMinimumWidth(m_search->fontMetrics().horizontalAdvance(QLatin1Char('x')) * kSearchCharacters);
    auto* find = named(new QPushButton(QStringLiteral("Найти")), "ButtonSearch");
    find->setAutoDefault(false);
    m_matchCase = named(new QCheckBox(QStringLiteral("регистр")), "CheckBoxCase");
    m_ownOnly = named(new QCheckBox(QStringLiteral("только свои")), "cbOwnOnly");
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_search, 1);
    layout->addWidget(find);
    layout->addWidget(m_matchCase);
    layout->addWidget(m_ownOnly);
    connect(find, &QPushButton::clicked, this, &TextPickerDialog::search);
    connect(m_search, &QLineEdit::returnPressed, this, &TextPickerDialog::search);
    connect(m_ownOnly, &QCheckBox::toggled, this, &TextPickerDialog::search);
    return box;
}

void TextPickerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_chosen = nullptr;
    m_textToEdit.reset();
    m_search->setFocus();
}

void TextPickerDialog::search() {
    m_picker.fill(fromQString(m_search->text()), !m_matchCase->isChecked(), m_ownOnly->isChecked());
    m_model->showRows();
    showNumberColumn();
}

// The numbers and their header in full, however the stored widths were.
void TextPickerDialog::showNumberColumn() {
    m_list->setColumnWidth(0, std::max(kNumberColumnWidth, fittingWidth(m_list, 0, true)));
}

void TextPickerDialog::sort(editing::TextSortKey key, QWidget* button) {
    const QModelIndex selected = m_list->currentIndex();
    const bases::TextBaseElement* kept = selected.isValid() ? m_picker.text(selected.row()) : nullptr;
    button->setEnabled(false);
    m_picker.sort(key);
    m_model->showRows();
    button->setEnabled(true);
    for (int row = 0; kept != nullptr && row < m_model->rowCount(); ++row) {
        if (m_picker.text(row) == kept) selectRow(row);
    }
}

void TextPickerDialog::selectRow(int row) {
    m_list->selectRow(row);
    m_list->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtTop);
}

// Only a listed text can be chosen: the empty row of an empty list chooses nothing.
void TextPickerDialog::choose() {
    const QModelIndex selected = m_list->currentIndex();
    if (!selected.isValid() || m_picker.text(selected.row()) == nullptr) return;
    m_chosen = m_picker.text(selected.row());
    accept();
}

// The menu is offered over a listed text only; only the user's own texts can be edited.
void TextPickerDialog::offerEditing(const QPoint& position) {
    const QModelIndex index = m_list->indexAt(position);
    if (!index.isValid() || m_picker.text(index.row()) == nullptr) return;
    m_menuRow = index.row();
    m_moveToEdit->setEnabled(m_picker.canEdit(m_menuRow));
    m_editingMenu->popup(m_list->viewport()->mapToGlobal(position));
}

void TextPickerDialog::goToEditing() {
    const bases::TextBaseElement* text = m_picker.text(m_menuRow);
    if (text == nullptr || !m_picker.canEdit(m_menuRow)) return;
    m_textToEdit = text->textid;
    reject();
}

app::ChooseTextColumnWidths TextPickerDialog::columnWidths() const {
    app::ChooseTextColumnWidths widths{};
    for (int column = 0; column < editing::kTextPickerColumns; ++column)
        widths[static_cast<std::size_t>(column)] = m_list->isColumnHidden(column) ? 0 : m_list->columnWidth(column);
    return widths;
}

}  // namespace tabrin::ui
