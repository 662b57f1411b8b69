// The page "Профиль" (TabSheetProfile) with its pages: the dictionary, the scale coefficients, the
// profile settings and the EDS file.
#include "ui/profilepages.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "session/workspace.h"
#include "ui/dictionarypage.h"
#include "ui/edspage.h"
#include "ui/named.h"
#include "ui/profilesettingswidget.h"
#include "ui/scalepage.h"
#include "ui/radiogroup.h"

namespace tabrin::ui {

ProfilePages::ProfilePages(session::Workspace& workspace, session::ProfileSession& session, app::MessagePort& port,
                           QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_pages(named(new QTabWidget, "PageControl2")),
      m_dictionary(new DictionaryPage(workspace, session, port)),
      m_canModule(m_dictionary->canModule()),
      m_scales(new ScalePage(workspace)),
      m_settings(new ProfileSettingsWidget(workspace, session, port)),
      m_eds(new EdsPage(workspace, port)) {
    setObjectName(QStringLiteral("TabSheetProfile"));
    m_pages->addTab(m_dictionary, QStringLiteral("Словарь"));
    m_pages->addTab(m_scales, QStringLiteral("Масштабирующие коэффициенты"));
    m_pages->addTab(m_settings, QStringLiteral("Настройки профиля"));
    m_pages->addTab(m_eds, QStringLiteral("EDS-файл"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    connect(m_canModule, &RadioGroup::itemChosen, m_settings, &ProfileSettingsWidget::chooseCanModule);
    // The dictionary page shows the profile's CAN module however it changed (either page, undo, redo).
    m_subscription = workspace.document.listen([this](const editing::DocumentChange& change) {
        if (editing::touches(change.kinds, editing::ChangeKind::Settings))
            m_canModule->setItemIndex(m_workspace.profile.settings.prefix);
    });
    showNoProfile();
}

void ProfilePages::shareCanModuleItems() {
    const QStringList items = m_settings->canModuleItems();
    for (int position = 0; position < m_canModule->itemCount() && position < items.size(); ++position)
        m_canModule->setItemText(position, items[position]);
}

void ProfilePages::showProfile() {
    m_settings->showProfile();
    m_canModule->setItemIndex(m_workspace.profile.settings.prefix);
    m_eds->showProfile();
    m_scales->showProfile();
    m_dictionary->showProfile();
    setEditable(true);
}

void ProfilePages::showNoProfile() {
    m_dictionary->showNoProfile();
    setEditable(false);
}

// Without an open profile there is nothing the pages could change.
void ProfilePages::setEditable(bool editable) {
    m_dictionary->setEnabled(editable);
    m_settings->setEnabled(editable);
    m_eds->setEnabled(editable);
}

void ProfilePages::showDictionaryPage() { m_pages->setCurrentWidget(m_dictionary); }

void ProfilePages::setGenerating(bool generating) {
    m_dictionary->setGenerating(generating);
    m_settings->setAddressesReadOnly(generating);
}

}  // namespace tabrin::ui
