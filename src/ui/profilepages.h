// The page "Профиль" (TabSheetProfile) with its pages: the dictionary, the scale coefficients, the
// profile settings and the EDS file.
#pragma once

#include <QWidget>

#include "editing/profiledocument.h"

class QTabWidget;

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {
class ProfileSession;
class Workspace;
}  // namespace tabrin::session

namespace tabrin::ui {

class DictionaryPage;
class EdsPage;
class ProfileSettingsWidget;
class ScalePage;
class RadioGroup;

class ProfilePages : public QWidget {
    Q_OBJECT

public:
    ProfilePages(session::Workspace& workspace, session::ProfileSession& session, app::MessagePort& port,
                 QWidget* parent = nullptr);

    ProfileSettingsWidget* settingsPage() const { return m_settings; }
    DictionaryPage* dictionaryPage() const { return m_dictionary; }
    EdsPage* edsPage() const { return m_eds; }

    /// The CAN-module choice of the dictionary page takes the (translated) items of the settings page's.
    void shareCanModuleItems();
    /// Fills the pages from the open profile.
    void showProfile();
    /// No profile is open: the dictionary is not shown.
    void showNoProfile();
    void showDictionaryPage();
    /// While the controller file is generated, its button is disabled and the two dictionary
    /// addresses cannot be edited.
    void setGenerating(bool generating);

private:
    void setEditable(bool editable);

    session::Workspace& m_workspace;
    QTabWidget* m_pages;
    DictionaryPage* m_dictionary;
    RadioGroup* m_canModule;
    ScalePage* m_scales;
    ProfileSettingsWidget* m_settings;
    EdsPage* m_eds;
    editing::Subscription m_subscription;
};

}  // namespace tabrin::ui
