// The page "EDS-файл" (TabSheetEDS): the EDS header memo committing to the profile document, the generate button
// and the progress bar of a generation.
#pragma once

#include <QWidget>

#include "editing/profiledocument.h"

class QPlainTextEdit;
class QProgressBar;

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {
class Workspace;
struct WindowServices;
}  // namespace tabrin::session

namespace tabrin::ui {

class EdsPage : public QWidget {
    Q_OBJECT

public:
    EdsPage(session::Workspace& workspace, app::MessagePort& port, QWidget* parent = nullptr);

    /// Shows the EDS header of the open profile.
    void showProfile();
    /// Generates the EDS file from the memo's text, with the progress bar shown while it is written.
    void generate(const session::WindowServices& services);

signals:
    void generateClicked();

private:
    session::Workspace& m_workspace;
    app::MessagePort& m_port;
    editing::Subscription m_subscription;
    bool m_committing = false;
    int m_typingSession = 1;
    QPlainTextEdit* m_header;
    QProgressBar* m_progress;
};

}  // namespace tabrin::ui
