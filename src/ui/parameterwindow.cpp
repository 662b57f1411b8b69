// The window "Загрузка параметров из файла в качестве дефолтных значений текущего профиля": the tree
// of a parameter file's parameters, the diagnostic area and the tree of the profile's objects, bound
// to the page logic. A window of its own beside the main window, which the user switches between.
#include "ui/parameterwindow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "session/workspace.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

constexpr int kTimerInterval = 100;  // ms
constexpr int kWidth = 1200;
constexpr int kHeight = 600;
constexpr int kNodeRole = Qt::UserRole;

Qt::CheckState checkState(editing::TreeMark mark) {
    switch (mark) {
    case editing::TreeMark::Marked: return Qt::Checked;
    case editing::TreeMark::Partly: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
    }
}

// The marks are shown, not edited: only the right click changes them; unavailable nodes are greyed.
void showMark(QTreeWidgetItem* item, editing::TreeMark mark) {
    item->setCheckState(0, checkState(mark));
    item->setFlags(mark == editing::TreeMark::Unavailable ? Qt::ItemFlags()
                                                          : Qt::ItemFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
}

// Draws `tree` into `widget`; the items by node.
std::vector<QTreeWidgetItem*> draw(QTreeWidget* widget, const editing::ParameterTree& tree) {
    widget->clear();
    std::vector<QTreeWidgetItem*> items(tree.nodes().size(), nullptr);
    for (std::size_t node = 0; node < tree.nodes().size(); ++node) {
        const editing::ParameterTreeNode& shown = tree.nodes()[node];
        QTreeWidgetItem* item = shown.parent < 0 ? new QTreeWidgetItem(widget)
                                                 : new QTreeWidgetItem(items[static_cast<std::size_t>(shown.parent)]);
        item->setText(0, toQString(shown.label));
        item->setData(0, kNodeRole, static_cast<int>(node));
        showMark(item, shown.mark);
        items[node] = item;
    }
    return items;
}

}  // namespace

ParameterWindow::ParameterWindow(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                                 QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_dialogs(dialogs),
      m_page(workspace.document, workspace.texts, workspace.sets, workspace.settings, port, workspace.translator,
             workspace.language),
      m_fileTree(named(new QTreeWidget, "TreeViewFile")),
      m_profileTree(named(new QTreeWidget, "TreeViewProfile")),
      m_diagnostics(named(new QPlainTextEdit, "MemoDiagnostics")),
      m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("FormLoadDefaults"));
    setWindowTitle(QStringLiteral("Загрузка параметров из файла в качестве дефолтных значений текущего профиля"));
    setModal(false);

    auto* tools = new QHBoxLayout;
    QToolButton* open = toolButton("ToolButtonOpen", "Открыть", "Загружает словарь с параметрами из выбранного файла");
    tools->addWidget(open);
    connect(open, &QToolButton::clicked, this, &ParameterWindow::openFile);
    const struct {
        const char* name;
        const char* text;
        const char* hint;
        editing::ParameterSelection selection;
    } selections[] = {
        {"ToolButtonSelectAll", "Все", "Выбрать всё", editing::ParameterSelection::All},
        {"ToolButtonClear", "Нет", "Очистить выбор", editing::ParameterSelection::None},
        {"ToolButtonStandard", "Станд.",
         "Выбрать только стандартные элементы - коммуникационные, масштабирующие\r\nкоэффициенты, служебные параметры "
         "и "
         "т.п (до индекса 0x2500).",
         editing::ParameterSelection::Standard},
        {"ToolButtonNonStandard", "Нестанд.", "Выбрать всё, кроме стандартных элементов (после индекса 0x2500).",
         editing::ParameterSelection::AllButStandard},
    };
    for (const auto& selection : selections) {
        QToolButton* button = toolButton(selection.name, selection.text, selection.hint);
        tools->addWidget(button);
        m_selectionButtons.push_back(button);
        connect(button, &QToolButton::clicked, this, [this, chosen = selection.selection] { select(chosen); });
    }
    tools->addSpacing(16);
    auto* modes = new QButtonGroup(this);
    const struct {
        const char* name;
        const char* text;
        const char* hint;
        editing::HierarchyMode mode;
    } hierarchies[] = {
        {"ToolButtonGroups", "Гр", "Группы->Элементы", editing::HierarchyMode::Groups},
        {"ToolButtonGroupsIndexes", "ГрИ", "Группы->Индексы->Элементы", editing::HierarchyMode::GroupsIndexes},
        {"ToolButtonIndexes", "И", "Индексы->Элементы", editing::HierarchyMode::Indexes},
    };
    for (const auto& hierarchy : hierarchies) {
        QToolButton* button = toolButton(hierarchy.name, hierarchy.text, hierarchy.hint);
        button->setCheckable(true);
        if (hierarchy.mode == editing::HierarchyMode::Groups) m_groupsButton = button;
        modes->addButton(button);
        tools->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, mode = hierarchy.mode] { setMode(mode); });
    }
    tools->addSpacing(16);
    auto* names = new QButtonGroup(this);
    for (const bool shortNames : {false, true}) {
        QToolButton* button = shortNames ? toolButton("ToolButtonShortNames", "Корот.", "Короткие имена")
                                         : toolButton("ToolButtonFullNames", "Полн.", "Полные имена");
        button->setCheckable(true);
        button->setChecked(!shortNames);
        names->addButton(button);
        tools->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, shortNames] { setShortNames(shortNames); });
    }
    tools->addStretch();

    m_fileTree->setHeaderLabel(QStringLiteral("Словарь из файла"));
    m_profileTree->setHeaderLabel(QStringLiteral("Словарь профиля"));
    m_fileTree->viewport()->installEventFilter(this);
    m_diagnostics->setReadOnly(true);
    auto* trees = new QHBoxLayout;
    trees->addWidget(m_fileTree, 2);
    trees->addWidget(m_diagnostics, 1);
    trees->addWidget(m_profileTree, 2);

    auto* compareButton = named(new QPushButton(QStringLiteral("<= Сравнение =>")), "ButtonCompare");
    auto* loadButton = named(new QPushButton(QStringLiteral("Загрузить параметры в профиль")), "ButtonLoad");
    loadButton->setToolTip(
        QStringLiteral("Все значения выбранных элементов загрузятся в качестве дефолтных значений текущего профиля"));
    auto* closeButton = named(new QPushButton(QStringLiteral("Закрыть")), "ButtonClose");
    connect(compareButton, &QPushButton::clicked, this, &ParameterWindow::compare);
    connect(loadButton, &QPushButton::clicked, this, &ParameterWindow::load);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(compareButton);
    buttons->addWidget(loadButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(trees, 1);
    layout->addLayout(buttons);
    resize(kWidth, kHeight);

    m_timer->setInterval(kTimerInterval);
    connect(m_timer, &QTimer::timeout, this, &ParameterWindow::updateButtons);
    translateWindow(this, workspace.translator);
}

QToolButton* ParameterWindow::toolButton(const char* name, const char* text, const char* hint) {
    auto* button = named(new QToolButton, name);
    button->setText(QString::fromUtf8(text));
    button->setToolTip(QString::fromUtf8(hint));
    return button;
}

void ParameterWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    m_page.show();
    m_groupsButton->setChecked(true);
    refresh();
    updateButtons();
    m_timer->start();
}

void ParameterWindow::closeEvent(QCloseEvent* event) {
    m_timer->stop();
    m_page.close();
    QDialog::closeEvent(event);
}

bool ParameterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_fileTree->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::RightButton) {
            if (QTreeWidgetItem* item = m_fileTree->itemAt(click->position().toPoint()); item && m_page.fileLoaded()) {
                m_page.toggle(item->data(0, kNodeRole).toInt());
                showMarks();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ParameterWindow::openFile() {
    m_page.openFile(m_dialogs);
    refresh();
    updateButtons();
}

void ParameterWindow::select(editing::ParameterSelection selection) {
    m_page.select(selection);
    showMarks();
}

void ParameterWindow::compare() {
    m_page.compare();
    refresh();
}

void ParameterWindow::load() {
    m_page.loadIntoProfile();
    refresh();
}

void ParameterWindow::setMode(editing::HierarchyMode mode) {
    m_page.setMode(mode);
    refresh();
}

void ParameterWindow::setShortNames(bool shortNames) {
    m_page.setShortNames(shortNames);
    refresh();
}

void ParameterWindow::refresh() {
    if (m_page.fileLoaded()) {
        m_fileItems = draw(m_fileTree, m_page.fileTree());
    } else {
        m_fileTree->clear();
        m_fileItems.clear();
        new QTreeWidgetItem(m_fileTree, {toQString(m_page.emptyFileTreeText())});
    }
    draw(m_profileTree, m_page.profileTree());
    showDiagnostics();
}

void ParameterWindow::showMarks() {
    const auto& nodes = m_page.fileTree().nodes();
    for (std::size_t node = 0; node < m_fileItems.size() && node < nodes.size(); ++node)
        showMark(m_fileItems[node], nodes[node].mark);
}

void ParameterWindow::showDiagnostics() {
    QStringList lines;
    for (const std::string& line : m_page.diagnostics()) lines << toQString(line);
    m_diagnostics->setPlainText(lines.join(QLatin1Char('\n')));
}

void ParameterWindow::updateButtons() {
    for (QToolButton* button : m_selectionButtons) button->setEnabled(m_page.selectionButtonsEnabled());
}

}  // namespace tabrin::ui
