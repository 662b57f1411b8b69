// The profile-selection dialog TFormProfSelect of the control-panel page: the profile files of a
// panel text file and the kinds of texts and enumerations it shows.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "panel/workingsets.h"

class QCheckBox;
class QPlainTextEdit;

namespace tabrin::app {
class FileDialogPort;
}

namespace tabrin::session {
class Workspace;
}

namespace tabrin::ui {

class RadioGroup;

class ProfileSelectDialog : public QDialog {
    Q_OBJECT

public:
    ProfileSelectDialog(session::Workspace& workspace, app::FileDialogPort& dialogs, QWidget* parent = nullptr);

    /// The files listed when OK closed the dialog; none when it was closed otherwise.
    const std::vector<std::string>& chosenProfiles() const { return m_chosen; }
    panel::PanelTextChoice textChoice() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addProfiles();

    session::Workspace& m_workspace;
    app::FileDialogPort& m_dialogs;
    std::vector<int> m_textKinds;
    std::vector<int> m_enumerationKinds;
    std::vector<std::string> m_listed;
    std::vector<std::string> m_chosen;
    QPlainTextEdit* m_profiles;
    RadioGroup* m_texts = nullptr;
    RadioGroup* m_enumerations = nullptr;
    QCheckBox* m_useOther;
};

}  // namespace tabrin::ui
