// The page "Профиль" (TabSheetProfile) with its pages: the dictionary, the scale coefficients, the
// profile settings and the EDS file.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace tabrin::app {
class ProfileSession;
class Workspace;
}  // namespace tabrin::app

namespace tabrin::ui {

class ProfileSettingsWidget;
class RadioGroup;

class ProfilePages : public QWidget {
    Q_OBJECT

public:
    ProfilePages(app::Workspace& workspace, app::ProfileSession& session, QWidget* parent = nullptr);

    ProfileSettingsWidget* settingsPage() const { return m_settings; }

    /// The CAN-module choice of the dictionary page takes the (translated) items of the settings page's.
    void shareCanModuleItems();
    /// Fills the pages from the open profile.
    void showProfile();
    /// No profile is open: the dictionary is not shown.
    void showNoProfile();
    void showDictionaryPage();

signals:
    /// The profile was changed on one of the pages.
    void profileChanged();

private:
    QWidget* buildDictionaryPage();
    QWidget* buildEdsPage();
    void setEditable(bool editable);

    app::Workspace& m_workspace;
    app::ProfileSession& m_session;
    QTabWidget* m_pages;
    QWidget* m_dictionaryPage = nullptr;
    QLabel* m_objectCount = nullptr;
    RadioGroup* m_canModule = nullptr;
    ProfileSettingsWidget* m_settings;
    QPlainTextEdit* m_edsHeader = nullptr;
};

}  // namespace tabrin::ui
