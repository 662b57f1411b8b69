// A message of the core that carries a table or buttons of its own: its text, the table with the
// marked cells in red, its closing text and its buttons.
#include "ui/messagedialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/named.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

const QColor kMarkedCell(255, 130, 130);
constexpr int kShownRows = 16;

QStyle::StandardPixmap iconPixmap(app::MessageIcon icon) {
    switch (icon) {
    case app::MessageIcon::Information: return QStyle::SP_MessageBoxInformation;
    case app::MessageIcon::Warning: return QStyle::SP_MessageBoxWarning;
    case app::MessageIcon::Error: return QStyle::SP_MessageBoxCritical;
    case app::MessageIcon::Question: return QStyle::SP_MessageBoxQuestion;
    case app::MessageIcon::None: break;
    }
    return QStyle::SP_CustomBase;
}

QDialogButtonBox::StandardButton standardButton(app::MessageAnswer answer) {
    switch (answer) {
    case app::MessageAnswer::Cancel: return QDialogButtonBox::Cancel;
    case app::MessageAnswer::Yes: return QDialogButtonBox::Yes;
    case app::MessageAnswer::No: return QDialogButtonBox::No;
    case app::MessageAnswer::Ok: break;
    }
    return QDialogButtonBox::Ok;
}

QLabel* textLabel(const char* name, const std::string& text) {
    auto* label = named(new QLabel(toQString(text)), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

MessageDialog::MessageDialog(const app::Message& message, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormMessage"));
    setWindowTitle(toQString(message.caption));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    if (message.icon != app::MessageIcon::None) {
        auto* icon = new QLabel;
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(iconPixmap(message.icon), nullptr, this).pixmap(size, size));
        top->addWidget(icon, 0, Qt::AlignTop);
    }
    top->addWidget(textLabel("LabelText", message.text), 1);
    layout->addLayout(top);
    if (message.table) {
        if (!message.table->groups.empty()) layout->addWidget(buildGroupCaptions(*message.table));
        layout->addWidget(buildTable(*message.table), 1);
        alignGroupCaptions();
    }
    if (!message.closingText.empty()) layout->addWidget(textLabel("LabelClosingText", message.closingText));

    auto* buttons = new QDialogButtonBox;
    const auto answerBy = [this](QPushButton* button, app::MessageAnswer answer) {
        connect(button, &QPushButton::clicked, this, [this, answer] {
            m_answer = answer;
            accept();
        });
    };
    if (message.namedAnswers.empty()) {
        for (const app::MessageAnswer answer : app::offeredAnswers(message))
            answerBy(buttons->addButton(standardButton(answer)), answer);
    }
    // One role for all named buttons keeps them in their order.
    for (const app::NamedAnswer& named : message.namedAnswers)
        answerBy(buttons->addButton(toQString(named.caption), QDialogButtonBox::ActionRole), named.answer);
    layout->addWidget(buttons);
}

QTableWidget* MessageDialog::buildTable(const app::MessageTable& table) {
    int columns = static_cast<int>(table.headers.size());
    for (const std::vector<app::MessageCell>& row : table.rows)
        columns = std::max(columns, static_cast<int>(row.size()));
    m_table = named(new QTableWidget(static_cast<int>(table.rows.size()), columns), "TableMessage");
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->hide();
    if (table.headers.empty()) m_table->horizontalHeader()->hide();
    for (std::size_t column = 0; column < table.headers.size(); ++column)
        m_table->setHorizontalHeaderItem(static_cast<int>(column),
                                         new QTableWidgetItem(toQString(table.headers[column])));
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        for (std::size_t column = 0; column < table.rows[row].size(); ++column) {
            const app::MessageCell& cell = table.rows[row][column];
            auto* item = new QTableWidgetItem(toQString(cell.text));
            if (cell.marked) item->setBackground(kMarkedCell);
            m_table->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    // The columns share the table's width, each wide enough for the widest of them; the rows scroll.
    int widest = 0;
    for (int column = 0; column < columns; ++column) widest = std::max(widest, m_table->columnWidth(column));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setMinimumWidth(columns * widest + 2 * m_table->frameWidth() +
                             m_table->verticalScrollBar()->sizeHint().width());
    const int rowHeight = m_table->rowCount() > 0 ? m_table->rowHeight(0) : 0;
    m_table->setMinimumHeight(std::min(kShownRows, m_table->rowCount()) * rowHeight +
                              m_table->horizontalHeader()->sizeHint().height() + 2 * m_table->frameWidth());
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this, &MessageDialog::alignGroupCaptions);
    return m_table;
}

QWidget* MessageDialog::buildGroupCaptions(const app::MessageTable& table) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const app::MessageColumnGroup& group : table.groups) {
        auto* caption = new QLabel(toQString(group.caption));
        caption->setAlignment(Qt::AlignCenter);
        layout->addWidget(caption);
        m_groupCaptions << caption;
        m_groupSpans << group.columns;
    }
    layout->addStretch();
    return row;
}

void MessageDialog::alignGroupCaptions() {
    int column = 0;
    for (qsizetype group = 0; group < m_groupCaptions.size(); ++group) {
        int width = group == 0 ? m_table->frameWidth() : 0;
        for (int span = 0; span < m_groupSpans[group]; ++span) width += m_table->columnWidth(column++);
        m_groupCaptions[group]->setFixedWidth(width);
    }
}

}  // namespace tabrin::ui
