// The comparisons of the dictionary page bound to its widgets: the buttons "Сравнить с файлом…"
// and "Сравнить с базовым профилем", and the comparison window they open.
#include "ui/dictionarycomparisons.h"

#include <QAbstractButton>

#include "session/profilecomparing.h"
#include "session/profilesession.h"
#include "session/workspace.h"
#include "ui/comparisonwindow.h"

namespace tabrin::ui {

DictionaryComparisons::DictionaryComparisons(session::Workspace& workspace, session::ProfileSession& session,
                                             app::MessagePort& port, QAbstractButton* withFile,
                                             QAbstractButton* withBase, QWidget* page)
    : QObject(page),
      m_workspace(workspace),
      m_session(session),
      m_port(port),
      m_page(page),
      m_withFile(withFile),
      m_withBase(withBase) {
    connect(m_withFile, &QAbstractButton::clicked, this, &DictionaryComparisons::compareWithFile);
    connect(m_withBase, &QAbstractButton::clicked, this, &DictionaryComparisons::compareWithBaseProfile);
    updateButtons();
}

void DictionaryComparisons::updateButtons() {
    m_withFile->setEnabled(m_session.isOpen());
    m_withBase->setEnabled(m_session.isOpen() && session::canCompareWithBaseProfile(m_workspace));
}

void DictionaryComparisons::forgetComparison() {
    if (m_window) m_window->close();
    updateButtons();
}

void DictionaryComparisons::compareWithFile() {
    if (std::optional<session::ShownComparison> comparison =
            session::compareWithFile(m_workspace, m_port, m_session.dialogs(), m_session.path()))
        show(std::move(*comparison));
}

void DictionaryComparisons::compareWithBaseProfile() {
    if (session::canCompareWithBaseProfile(m_workspace)) show(session::compareWithBaseProfile(m_workspace));
}

// One comparison window at a time; the dictionary table stays usable beside it.
void DictionaryComparisons::show(session::ShownComparison comparison) {
    if (m_window) m_window->close();
    m_window = new ComparisonWindow(std::move(comparison), m_workspace.translator, m_page);
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_window, &ComparisonWindow::objectChosen, this, &DictionaryComparisons::objectChosen);
    m_window->show();
}

}  // namespace tabrin::ui
