// The window "Сравнение" (FormComparison): the lines of a comparison as a colour-coded table whose
// current row shows its object in the dictionary table.
#include "ui/comparisonwindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/comparisontablemodel.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 480;

}  // namespace

ComparisonWindow::ComparisonWindow(session::ShownComparison comparison, app::Translator& translator, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormComparison"));
    const QString caption = toQString(comparison.caption);
    const bool equal = comparison.lines.empty();
    m_model = new ComparisonTableModel(std::move(comparison), translator, this);
    m_table = named(new QTableView, "GridComparison");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();

    auto* summary = named(new QLabel(equal ? QStringLiteral("Различий нет") : QString()), "LabelNoDifferences");
    summary->setVisible(equal);
    auto* close = named(new QPushButton(QStringLiteral("Закрыть")), "ButtonClose");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(kWidth, kHeight);

    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ComparisonWindow::chooseRow);
    // A click on the current row shows its object again, after the dictionary table moved on.
    connect(m_table, &QAbstractItemView::clicked, this, &ComparisonWindow::chooseRow);
    translateWindow(this, translator);
    // The caption names a file: it is given translated.
    setWindowTitle(caption);
}

void ComparisonWindow::chooseRow(const QModelIndex& index) {
    if (const model::ObjectSerial object = m_model->objectOf(index.row()); object != 0) emit objectChosen(object);
}

}  // namespace tabrin::ui
