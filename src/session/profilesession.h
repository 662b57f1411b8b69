// The open profile as the main window keeps it: its path and file stamp, and the flows of opening,
// saving, autosave and noticing changes that other programs make to the file.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/filestamp.h"
#include "model/vendortoken.h"

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app

namespace tabrin::session {

class Workspace;

/// The file types of the dialogs that choose a profile (UTF-8, as Windows writes a filter).
inline constexpr std::string_view kProfileFileFilter = "XML-файлы (*.xml)|*.xml|все файлы|*.*";

/// Which question asks to save a modified profile.
enum class SaveQuestion { BeforeOpening, BeforeExit };

class ProfileSession {
public:
    ProfileSession(Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs);

    /// The file dialogs of the window's flows.
    app::FileDialogPort& dialogs() { return m_dialogs; }

    /// Receives the short texts meant for the status bar ("Сохранение"), translated.
    void setStatusListener(std::function<void(const std::string&)> listener) { m_showStatus = std::move(listener); }

    /// The path text of the profile file; after a failed open, the file that failed.
    const std::string& path() const { return m_path; }
    /// Whether a profile was opened successfully and is being edited.
    bool isOpen() const { return m_open; }
    /// Whether the open profile differs from its file.
    bool isModified() const;
    /// The main window's caption for the present state.
    std::string caption();

    /// Asks whether to save a modified profile: false when the user cancels or the save did not
    /// succeed; true when there was nothing to save, or it was saved, or the user declined.
    bool askToSaveModified(SaveQuestion question);

    /// "Открыть профиль": asks to save, then for a file, then opens it.
    bool openWithDialog();
    /// An item of the recent list: asks to save, then opens the file the entry names.
    bool openRecent(std::size_t position);
    /// After login: opens the most recent profile; a failure keeps the previous path. On success a
    /// saved top row of 0 becomes the row after the first object of the user part (index above 2FFFh).
    bool openAtLogin();
    /// Loads the profile, asks about its vendor token, copies it into the log folder, puts it first
    /// in the recent list and prepares it for editing. The profile counts as modified only when the
    /// preparation changed its vendor-token objects.
    bool open(const std::string& path);

    /// "Сохранить профиль": under a new name when another program changed the file.
    bool save();
    /// "Сохранить профиль как".
    bool saveAs();
    /// One second of the main timer: autosave when its period is over.
    void autosaveTick();
    /// The periodic check: saves under a new name when another program changed the file.
    void checkExternalChange();
    /// Whether the file's time stamps differ from those taken when it was last opened or saved.
    bool changedExternally() const;

    /// Brings the vendor-token object of the open profile in line with the program's token.
    model::VendorTokenChanges alignVendorToken();

private:
    bool write();
    bool chooseNewName();
    bool askNewName();
    void warnExternalChange();
    void copyIntoLogFolder();
    void writeBackup();
    void showStatus(std::string_view utf8);

    Workspace& m_workspace;
    app::MessagePort& m_port;
    app::FileDialogPort& m_dialogs;
    std::function<void(const std::string&)> m_showStatus;
    std::string m_path;
    std::optional<app::FileStamp> m_stamp;
    bool m_open = false;
    bool m_busy = false;
    int m_autosaveSeconds = 0;
};

}  // namespace tabrin::session
