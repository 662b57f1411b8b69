// The page "Пульт управления" (TabSheetPU): panel text files of chosen profiles, the C header for
// the panels and the free-text conversion into panel character codes.
#pragma once

#include <QWidget>

#include <functional>

#include "panel/panelfile.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app

namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class PanelPage : public QWidget {
    Q_OBJECT

public:
    PanelPage(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
              QWidget* parent = nullptr);

    /// The progress of a panel-file generation on ProgressBarTexts; the window goes on handling
    /// its events between the entries.
    panel::GenerationProgress progress();

private:
    void generateForProfiles();
    void generateHeader();
    void showGeneration(const std::function<panel::GenerationResult(const panel::PanelEnvironment&)>& generation);
    void convertFreeText();

    session::Workspace& m_workspace;
    app::MessagePort& m_port;
    app::FileDialogPort& m_dialogs;
    QComboBox* m_type;
    QPushButton* m_profileTexts;
    QPushButton* m_header;
    QPlainTextEdit* m_texts;
    QProgressBar* m_progress;
    QLineEdit* m_freeText;
    QPlainTextEdit* m_freeTextWords;
};

}  // namespace tabrin::ui
