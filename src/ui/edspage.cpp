// The page "EDS-файл" (TabSheetEDS): the EDS header memo committing to the profile document, the generate button
// and the progress bar of a generation.
#include "ui/edspage.h"

#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editing/settingscommands.h"
#include "session/windowcommands.h"
#include "session/workspace.h"
#include "ui/named.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

// The memo shows lines; the profile keeps the EDS header with Windows line ends.
QString memoText(const std::string& headerText) {
    return toQString(headerText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string headerText(const QString& memoText) {
    return fromQString(QString(memoText).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

}  // namespace

EdsPage::EdsPage(session::Workspace& workspace, app::MessagePort& port, QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_port(port),
      m_header(named(new QPlainTextEdit, "MemoEdsHeader")),
      m_progress(named(new QProgressBar, "ProgressBarEdsGen")) {
    setObjectName(QStringLiteral("TabSheetEDS"));
    auto* headerBox = named(new QGroupBox(QStringLiteral("Шапка EDS-файла")), "GroupBoxEdsHeader");
    auto* headerLayout = new QVBoxLayout(headerBox);
    headerLayout->addWidget(m_header);
    auto* generateButton = named(new QPushButton(QStringLiteral("Генерировать файл .eds")), "ButtonEdsGenerate");
    m_progress->setRange(0, 100);
    // The bar keeps its place while hidden, so that the button above it stays where it is.
    QSizePolicy keepPlace = m_progress->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepPlace);
    m_progress->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headerBox, 1);
    layout->addWidget(generateButton, 0, Qt::AlignLeft);
    layout->addWidget(m_progress);

    // Typing makes one command until the focus leaves the memo.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++m_typingSession; });
    connect(m_header, &QPlainTextEdit::textChanged, this, [this] {
        m_committing = true;
        m_workspace.document.push(editing::edsHeaderChange(m_workspace.profile, headerText(m_header->toPlainText()),
                                                           m_typingSession, m_workspace.translator));
        m_committing = false;
    });
    m_subscription = m_workspace.document.listen([this](const editing::DocumentChange& change) {
        if (!m_committing && editing::touches(change.kinds, editing::ChangeKind::EdsHeader)) showProfile();
    });
    connect(generateButton, &QPushButton::clicked, this, &EdsPage::generateClicked);
}

void EdsPage::showProfile() {
    const QSignalBlocker blocker(m_header);
    m_header->setPlainText(memoText(m_workspace.profile.header_text));
}

// The bar appears with the first progress, once the header and the profile passed their checks.
void EdsPage::generate(const session::WindowServices& services) {
    m_progress->setValue(0);
    session::runEdsCommand(m_workspace, headerText(m_header->toPlainText()), m_port, services, [this](int percent) {
        m_progress->setValue(percent);
        m_progress->show();
    });
    m_progress->hide();
}

}  // namespace tabrin::ui
