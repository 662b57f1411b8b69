// The window "Импорт объектов": another profile's base-profile objects listed, and the selected
// rows imported into the current configuration of the open profile. A window of its own beside the
// main window, which the user switches between.
#include "ui/importwindow.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "app/columnwidths.h"
#include "app/filedialogport.h"
#include "session/workspace.h"
#include "ui/columnfit.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

// The dictionary table's column whose width each import column takes; the long text takes the
// English name's under the English interface.
constexpr std::array<std::size_t, editing::kImportColumns> kWidthColumns = {0, 1, 2, 3, 5, 7, 8};
// The number, index and subindex columns show their cells in full.
constexpr int kFirstTextColumn = 3;

}  // namespace

/// The rows of the import list as texts, on alternating backgrounds.
class ImportTableModel : public QAbstractTableModel {
public:
    ImportTableModel(const std::array<std::string, editing::kImportColumns>& headers, QObject* parent)
        : QAbstractTableModel(parent) {
        for (const std::string& header : headers) m_headers << toQString(header);
    }

    void show(std::vector<std::array<std::string, editing::kImportColumns>> rows) {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : editing::kImportColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole)
            return toQString(m_rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
        if (role == Qt::BackgroundRole && index.column() > 0)
            return index.row() % 2 == 0 ? QColor(230, 240, 250) : QColor(250, 250, 255);  // rows count from 1
        if (role == Qt::ForegroundRole && index.column() > 0 && index.row() % 2 == 0) return QColor(Qt::black);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_headers.value(section);
        return {};
    }

private:
    std::vector<std::array<std::string, editing::kImportColumns>> m_rows;
    QStringList m_headers;
};

ImportWindow::ImportWindow(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                           QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_workspace(workspace),
      m_dialogs(dialogs),
      m_import(workspace.document, port, workspace.translator, workspace.log, workspace.language),
      m_model(new ImportTableModel(m_import.headers(), this)),
      m_table(named(new QTableView, "StringGridImport")),
      m_importButton(named(new QPushButton(QStringLiteral("Импортировать")), "ButtonImport")) {
    setObjectName(QStringLiteral("FormImportObjects"));
    setWindowTitle(QStringLiteral("Импорт объектов"));
    setModal(false);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* openButton = named(new QPushButton(QStringLiteral("Открыть")), "ButtonOpen");
    auto* done = named(new QPushButton(QStringLiteral("Готово")), "ButtonDone");
    m_importButton->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openButton);
    buttons->addWidget(m_importButton);
    buttons->addStretch();
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(900, 500);
    connect(openButton, &QPushButton::clicked, this, &ImportWindow::open);
    connect(m_importButton, &QPushButton::clicked, this, &ImportWindow::import);
    connect(done, &QPushButton::clicked, this, &QDialog::close);
    translateWindow(this, workspace.translator);
    layOutColumns();
}

void ImportWindow::open() {
    const app::FileDialog dialog{m_workspace.translator.tr("Открыть"),
                                 m_workspace.translator.tr("XML-файлы (*.xml)|*.xml|все файлы|*.*"),
                                 m_workspace.profile.path, ".xml"};
    const std::optional<std::string> file = m_dialogs.askOpenPath(dialog);
    if (!file || !m_import.open(*file, m_workspace.settings.vendorToken, m_workspace.logFolder(), m_workspace.texts))
        return;
    setWindowTitle(toQString(m_workspace.translator.tr("Профиль: ")) + toQString(app::shownPath(*file)));
    m_model->show(m_import.rows(m_workspace.sets));
    layOutColumns();
    m_importButton->setEnabled(true);
}

// The widths of the dictionary table, but each header in full, and the numbers and codes too.
void ImportWindow::layOutColumns() {
    const app::ProfColumnWidths widths = m_workspace.settings.profColumnWidths;
    for (int column = 0; column < editing::kImportColumns; ++column) {
        std::size_t from = kWidthColumns[static_cast<std::size_t>(column)];
        if (from == app::profRussianNameColumn && m_workspace.englishInterface()) from = app::profEnglishNameColumn;
        const int needed = fittingWidth(m_table, column, column < kFirstTextColumn);
        m_table->setColumnWidth(column, std::max(widths[from], needed));
    }
}

void ImportWindow::import() {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    int first = rows.front().row();
    int last = first;
    for (const QModelIndex& row : rows) {
        first = std::min(first, row.row());
        last = std::max(last, row.row());
    }
    m_import.import(first, last);
}

}  // namespace tabrin::ui
