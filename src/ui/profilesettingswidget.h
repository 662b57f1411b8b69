// The page "Настройки профиля" (TabSheet5): the generation settings of the open profile, each
// control committing its change as a command of the profile document.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editing/profiledocument.h"
#include "model/profilesettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {
class ProfileSession;
class Workspace;
}  // namespace tabrin::session

namespace tabrin::ui {

class RadioGroup;

class ProfileSettingsWidget : public QWidget {
    Q_OBJECT

public:
    /// A path the profile cannot hold is refused through `port`.
    ProfileSettingsWidget(session::Workspace& workspace, session::ProfileSession& session, app::MessagePort& port,
                          QWidget* parent = nullptr);

    /// The items of the CAN-module box, for the dictionary page's choice of the same.
    QStringList canModuleItems() const;

    /// Lists the enumerations of the base as group-enumeration choices.
    void showGroupSetEntries(const std::vector<std::string>& entries);
    /// Shows the settings of the open profile.
    void showProfile();
    /// The CAN-module choice, here or on the dictionary page.
    void chooseCanModule(int position);
    /// The two dictionary addresses cannot be edited while the controller file is generated.
    void setAddressesReadOnly(bool readOnly);

private:
    QWidget* buildGroupSetRow();
    QGroupBox* buildCSeriesGroup();
    QGroupBox* buildAssemblerGroup();
    QWidget* buildControllerFolder();
    QWidget* buildPanelTexts();
    QLineEdit* pathField(const char* name, std::string model::ProfileSettings::*member);
    /// A field's change as one command; changes of one typing session merge.
    void commit(const std::function<void(model::ProfileSettings&)>& change, int typingSession = 0);
    void commit(std::unique_ptr<editing::Command> command);
    void showSeries();
    void showAddresses();
    void showPathLabels();
    /// Stores a path text typed or chosen; false when the profile cannot hold it.
    bool storePath(std::string model::ProfileSettings::*member, const std::string& text, int typingSession = 0);
    /// Where a picker starts: the folder of the stored path, resolved against the profile's folder.
    QString pickerFolder(const std::string& stored, bool storedIsFile) const;
    void chooseControllerFolder();
    void choosePanelFile(QLineEdit* field, std::string model::ProfileSettings::*member, const char* filter);

    session::Workspace& m_workspace;
    session::ProfileSession& m_session;
    app::MessagePort& m_port;
    std::vector<std::string> m_groupSetEntries;
    editing::Subscription m_subscription;
    bool m_committing = false;
    int m_typingSession = 1;

    QComboBox* m_groupSet = nullptr;
    RadioGroup* m_series = nullptr;
    QGroupBox* m_cSeries = nullptr;
    QGroupBox* m_assembler = nullptr;
    QComboBox* m_canModule = nullptr;
    QLineEdit* m_addrComm = nullptr;
    QLineEdit* m_addrUser = nullptr;
    QCheckBox* m_bigYa = nullptr;
    QCheckBox* m_m3Includes = nullptr;
    QCheckBox* m_encryptFormats = nullptr;
    QCheckBox* m_vostInc = nullptr;
    QCheckBox* m_oldGroups = nullptr;
    QWidget* m_controllerFolder = nullptr;
    QCheckBox* m_genVostC = nullptr;
    QGroupBox* m_vostCFolderGroup = nullptr;
    QLineEdit* m_vostCFolder = nullptr;
    QLabel* m_vostCAbsPath = nullptr;
    QWidget* m_panelTexts = nullptr;
    QCheckBox* m_genPuTexts = nullptr;
    QGroupBox* m_puTextsGroup = nullptr;
    QComboBox* m_puCodeType = nullptr;
    QComboBox* m_puTextsType = nullptr;
    QComboBox* m_puEnumsType = nullptr;
    QCheckBox* m_useOther = nullptr;
    QLineEdit* m_hPath = nullptr;
    QLabel* m_hAbsPath = nullptr;
    QLineEdit* m_hInc = nullptr;
    QLineEdit* m_cPath = nullptr;
    QLabel* m_cAbsPath = nullptr;
    QLineEdit* m_cInc = nullptr;
};

}  // namespace tabrin::ui
