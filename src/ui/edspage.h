// The page "EDS-файл" (TabSheetEDS): the EDS header memo bound to the profile, the generate button
// and the progress bar of a generation.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QProgressBar;

namespace tabrin::app {
class MessagePort;
class ProfileSession;
class Workspace;
}  // namespace tabrin::app
namespace tabrin::generators {
struct WindowServices;
}

namespace tabrin::ui {

class EdsPage : public QWidget {
    Q_OBJECT

public:
    EdsPage(app::Workspace& workspace, app::ProfileSession& session, app::MessagePort& port, QWidget* parent = nullptr);

    /// Shows the EDS header of the open profile.
    void showProfile();
    /// Generates the EDS file from the memo's text, with the progress bar shown while it is written.
    void generate(const generators::WindowServices& services);

signals:
    void generateClicked();
    /// The memo changed the profile.
    void profileChanged();

private:
    app::Workspace& m_workspace;
    app::ProfileSession& m_session;
    app::MessagePort& m_port;
    QPlainTextEdit* m_header;
    QProgressBar* m_progress;
};

}  // namespace tabrin::ui
