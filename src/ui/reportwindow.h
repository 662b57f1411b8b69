// The report window TFormWord: the choices of the parameter report, and its worker thread writing
// the .docx file the user chose, with progress and time left shown here, opened at the end in the
// desktop's word processor.
#pragma once

#include <QDialog>

#include <string>
#include <thread>

#include "report/reportprogress.h"
#include "report/reportrun.h"

class QCheckBox;
class QLabel;
class QLineEdit;
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

class ReportWindow : public QDialog {
    Q_OBJECT

public:
    /// Asks where to save each report through `dialogs`.
    ReportWindow(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                 QWidget* parent = nullptr);
    ~ReportWindow() override;

    /// Before each showing: the caption names the profile at `profilePath`, the progress is reset
    /// and the ranges can be edited again; the choices of the last report stay.
    void prepare(const std::string& profilePath);

    /// Whether a report is being written.
    bool isRunning() const { return m_running; }

    /// Closing asks a running report to stop; the window closes at once.
    void done(int result) override;

private:
    QLineEdit* rangeEdit(const char* name, const char* text);
    QCheckBox* checkBox(const char* name, const char* caption, bool checked);
    report::ReportOptions chosenOptions() const;
    void start();
    void showProgress(const report::ReportProgress& progress);
    /// `file` is the chosen path text (app/paths.h); `error` the errno of a file that was not written.
    void finish(report::ReportStatus status, const std::string& file, int error);
    void tellNotWritten(const std::string& file, int error);
    void setRangesEditable(bool editable);

    session::Workspace& m_workspace;
    app::MessagePort& m_port;
    app::FileDialogPort& m_dialogs;
    QLineEdit* m_startIndex;
    QLineEdit* m_endIndex;
    QLineEdit* m_startGroup;
    QLineEdit* m_endGroup;
    QCheckBox* m_longTexts;
    QCheckBox* m_cNames;
    QCheckBox* m_outsideGroup;
    QCheckBox* m_numberColumn;
    QCheckBox* m_groupsFromZero;
    QCheckBox* m_secretMark;
    QCheckBox* m_indexColumn;
    QCheckBox* m_showWord;
    QPushButton* m_start;
    QProgressBar* m_progress;
    QLabel* m_percent;
    QLabel* m_timeLeft;
    bool m_running = false;
    std::jthread m_worker;  // last: stopped and joined before the controls it reports to go
};

}  // namespace tabrin::ui
