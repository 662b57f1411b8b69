// The page "EDS-файл" (TabSheetEDS): the EDS header memo bound to the profile, the generate button
// and the progress bar of a generation.
#include "ui/edspage.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/profilesession.h"
#include "app/workspace.h"
#include "generators/windowcommands.h"
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

EdsPage::EdsPage(app::Workspace& workspace, app::ProfileSession& session, app::MessagePort& port, QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_session(session),
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

    connect(m_header, &QPlainTextEdit::textChanged, this, [this] {
        m_workspace.profile.header_text = headerText(m_header->toPlainText());
        m_session.markModified();
        emit profileChanged();
    });
    connect(generateButton, &QPushButton::clicked, this, &EdsPage::generateClicked);
}

void EdsPage::showProfile() {
    const QSignalBlocker blocker(m_header);
    m_header->setPlainText(memoText(m_workspace.profile.header_text));
}

// The bar appears with the first progress, once the header and the profile passed their checks.
void EdsPage::generate(const generators::WindowServices& services) {
    m_progress->setValue(0);
    generators::runEdsCommand(m_workspace, headerText(m_header->toPlainText()), m_port, services, [this](int percent) {
        m_progress->setValue(percent);
        m_progress->show();
    });
    m_progress->hide();
}

}  // namespace tabrin::ui
