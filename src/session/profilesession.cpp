// The open profile as the main window keeps it: its path and file stamp, and the flows of opening,
// saving, autosave and noticing changes that other programs make to the file.
#include "session/profilesession.h"

#include <algorithm>
#include <system_error>

#include "app/cp1251.h"
#include "app/filedialogport.h"
#include "app/fileread.h"
#include "app/filewrite.h"
#include "app/formattext.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "app/recentprofiles.h"
#include "app/version.h"
#include "model/numbertext.h"
#include "model/profilecheck.h"
#include "session/profileopening.h"
#include "session/workspace.h"

namespace fs = std::filesystem;

namespace tabrin::session {
namespace {

constexpr std::string_view kProfileFilter = kProfileFileFilter;
constexpr std::string_view kDefaultExtension = "xml";
constexpr std::string_view kOpenTitle = "Открыть профиль";
constexpr std::string_view kSaveTitle = "Сохранить профиль";
constexpr std::string_view kModified = "Текущий профиль был изменен.\nСохранить изменения?";
constexpr std::string_view kModifiedCaption = "Сохранить текущий профиль?";
constexpr std::string_view kExitCaption = "Выход";
constexpr std::string_view kErrorCaption = "Ошибка";
constexpr std::string_view kNotAProfileCaption = "Открываемый файл не является профилем словаря CANopen";
constexpr std::string_view kSaving = "Сохранение";
constexpr std::string_view kChangedCaption = "Файл изменен внешней программой";
constexpr std::string_view kChangedBefore = "Файл ";
constexpr std::string_view kChangedAfter =
    " был изменен внешним приложением.\nЕсли сохранить файл под тем же именем, изменения, внесенные внешним "
    "приложением, могут быть потеряны.\nВыберите другое имя файла, для сохранения профиля.";
constexpr std::string_view kNoNewName = "Новое имя файла не выбрано. Отменить сохранение?";
constexpr std::string_view kNoNewNameCaption = "Не выбрано новое имя";
constexpr std::string_view kEditedCopySuffix = " (ред.).xml";
constexpr std::string_view kXmlExtension = ".xml";
constexpr std::string_view kBackupExtension = ".back";
constexpr int kParseFailure = 5;
constexpr std::uint32_t kLastMandatoryIndex = 0x2FFF;

// Marks the session busy for the length of one of its flows, so that the timers, which keep
// running while a question is up, do not start another flow inside it.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy), m_before(busy) { m_busy = true; }
    ~BusyScope() { m_busy = m_before; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
    bool m_before;
};

// The name proposed after an external change: "drive.xml" becomes "drive (ред.).xml".
std::string editedCopyName(const std::string& path) {
    return path.substr(0, path.size() - std::min<std::size_t>(path.size(), 4)) + std::string(kEditedCopySuffix);
}

// The backup beside the profile: its file name cut before the first ".xml", then ".back". The cut
// stays within the file name, so that a folder whose name holds ".xml" keeps the backup inside.
std::string backupPath(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("\\/") + 1;  // npos + 1 is 0
    const std::size_t extension = path.find(kXmlExtension, nameStart);
    return path.substr(0, extension) + std::string(kBackupExtension);
}

int firstUserPartRow(const model::Profile& profile) {
    const auto& view = profile.view();
    const auto found = std::find_if(view.begin(), view.end(), [](const model::DictObject* object) {
        return model::hexTextToNumber(object->index) > kLastMandatoryIndex;
    });
    return found == view.end() ? 0 : 1 + static_cast<int>(found - view.begin());
}

}  // namespace

ProfileSession::ProfileSession(Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs)
    : m_workspace(workspace), m_port(port), m_dialogs(dialogs) {}

void ProfileSession::showStatus(std::string_view utf8) {
    if (m_showStatus) m_showStatus(m_workspace.translator.tr(utf8));
}

bool ProfileSession::isModified() const { return m_open && m_workspace.document.isModified(); }

std::string ProfileSession::caption() {
    return app::windowTitle(m_workspace.translator, m_open ? m_path : std::string(), isModified(),
                            m_workspace.log.isOpen());
}

bool ProfileSession::askToSaveModified(SaveQuestion question) {
    if (!isModified()) return true;
    BusyScope busy(m_busy);
    const std::string caption = m_workspace.translator.tr(question == SaveQuestion::BeforeExit ? kExitCaption : kModifiedCaption);
    const app::Message saveQuestion{caption, m_workspace.translator.tr(kModified), app::MessageButtons::YesNoCancel,
                                    app::MessageIcon::Question};
    switch (m_port.ask(saveQuestion)) {
    case app::MessageAnswer::No: return true;
    case app::MessageAnswer::Yes: return save();
    default: return false;
    }
}

bool ProfileSession::openWithDialog() {
    BusyScope busy(m_busy);
    if (!askToSaveModified(SaveQuestion::BeforeOpening)) return false;
    const std::optional<std::string> chosen = m_dialogs.askOpenPath(
        {m_workspace.translator.tr(kOpenTitle), cp1251::fromUtf8(kProfileFilter), m_path, std::string(kDefaultExtension)});
    return chosen && open(*chosen);
}

bool ProfileSession::openRecent(std::size_t position) {
    const auto& recent = m_workspace.settings.recentProfiles;
    if (position >= recent.size()) return false;
    BusyScope busy(m_busy);
    if (!askToSaveModified(SaveQuestion::BeforeOpening)) return false;
    return open(app::recentProfilePath(m_workspace.programFolder, recent[position]));
}

bool ProfileSession::openAtLogin() {
    const auto& recent = m_workspace.settings.recentProfiles;
    if (recent.empty()) return false;
    const std::string previousPath = m_path;
    if (!open(app::recentProfilePath(m_workspace.programFolder, recent.front()))) {
        m_path = previousPath;
        return false;
    }
    if (m_workspace.settings.lastTopRow == 0) m_workspace.settings.lastTopRow = firstUserPartRow(m_workspace.profile);
    return true;
}

bool ProfileSession::open(const std::string& path) {
    BusyScope busy(m_busy);
    m_path = path;
    m_open = false;
    editing::ProfileDocument& document = m_workspace.document;
    const xml::TOperationResult loaded = document.load(app::nativePath(path));
    if (!loaded.ok()) {
        const std::string message = cp1251::fromUtf16(m_workspace.translator.translateWideText(loaded.message));
        const bool notAProfile = loaded.code == kParseFailure;
        m_port.ask({m_workspace.translator.tr(notAProfile ? kNotAProfileCaption : kErrorCaption), message, app::MessageButtons::Ok,
                    app::MessageIcon::Error});
        const char* pattern = notAProfile ? "Error parsing profile '%s': %s" : "Error opening profile '%s': %s";
        m_workspace.log.writeLog(app::formatText(pattern, {app::shownPath(path), message}));
        return false;
    }
    const std::string fileName = app::shownPath(app::nativePath(path).filename().native());
    app::Settings& settings = m_workspace.settings;
    if (!model::checkProfileOrigin(fileName, settings.vendorToken, document.profile().vendorToken, m_port,
                                   m_workspace.translator))
        return false;
    copyIntoLogFolder();
    app::putRecentProfileFirst(settings.recentProfiles, path, m_workspace.programFolder, settings.rememberLastNum);
    m_stamp = app::readFileStamp(app::nativePath(path));
    prepareOpenedProfile(document, m_workspace.texts, settings.vendorToken, m_workspace.user, m_port,
                         m_workspace.translator);
    m_open = true;
    return true;
}

void ProfileSession::copyIntoLogFolder() {
    if (!m_workspace.log.isOpen()) return;
    const fs::path source = app::nativePath(m_path);
    const std::string copyName = app::logCopyName(m_workspace.logFolder(), source.filename().native());
    std::error_code ignored;
    fs::copy_file(source, m_workspace.logFolder() / copyName, ignored);
    m_workspace.log.writeLog(app::formatText("Open profile: %s (copy saved under the name '%s')",
                                             {app::shownPath(m_path), app::shownPath(copyName)}));
}

bool ProfileSession::save() {
    if (!m_open) return false;
    BusyScope busy(m_busy);
    if (changedExternally() && !chooseNewName()) return false;
    showStatus(kSaving);
    return write();
}

bool ProfileSession::saveAs() {
    if (!m_open) return false;
    BusyScope busy(m_busy);
    if (changedExternally()) warnExternalChange();
    const std::optional<std::string> chosen = m_dialogs.askSavePath(
        {m_workspace.translator.tr(kSaveTitle), cp1251::fromUtf8(kProfileFilter), m_path, std::string(kDefaultExtension)});
    if (!chosen) return false;
    m_path = *chosen;
    return write();
}

bool ProfileSession::write() {
    Workspace& workspace = m_workspace;
    const xml::TOperationResult saved = workspace.document.save(app::nativePath(m_path), workspace.sets);
    if (!saved.ok()) {
        m_port.ask({m_workspace.translator.tr(kErrorCaption), cp1251::fromUtf16(workspace.translator.translateWideText(saved.message)),
                    app::MessageButtons::Ok, app::MessageIcon::Error});
        return false;
    }
    workspace.log.writeLog(app::formatText("Profile saved to file: %s", {app::shownPath(m_path)}));
    // What is generated beside the profile follows it to its new name.
    workspace.document.setPath(m_path);
    app::putRecentProfileFirst(workspace.settings.recentProfiles, m_path, workspace.programFolder,
                               workspace.settings.rememberLastNum);
    m_stamp = app::readFileStamp(app::nativePath(m_path));
    return true;
}

bool ProfileSession::changedExternally() const {
    if (m_path.empty()) return false;
    const std::optional<app::FileStamp> now = app::readFileStamp(app::nativePath(m_path));
    // A file that is gone holds nothing another program wrote; saving under its name loses nothing.
    return now && now != m_stamp;
}

bool ProfileSession::chooseNewName() {
    while (!askNewName()) {
        const app::Message question{m_workspace.translator.tr(kNoNewNameCaption), m_workspace.translator.tr(kNoNewName), app::MessageButtons::YesNo,
                                    app::MessageIcon::Warning};
        if (m_port.ask(question) == app::MessageAnswer::Yes) return false;
    }
    return true;
}

bool ProfileSession::askNewName() {
    warnExternalChange();
    const std::optional<std::string> chosen =
        m_dialogs.askSavePath({m_workspace.translator.tr(kSaveTitle), cp1251::fromUtf8(kProfileFilter), editedCopyName(m_path),
                               std::string(kDefaultExtension)});
    if (!chosen) return false;
    m_path = *chosen;
    return true;
}

void ProfileSession::warnExternalChange() {
    m_port.ask({m_workspace.translator.tr(kChangedCaption),
                m_workspace.translator.tr(kChangedBefore) + app::shownPath(m_path) + m_workspace.translator.tr(kChangedAfter),
                app::MessageButtons::Ok, app::MessageIcon::Warning});
}

void ProfileSession::autosaveTick() {
    const app::Settings& settings = m_workspace.settings;
    if (!settings.profAutoSave || m_busy) return;
    // A period lowered below the seconds already counted saves at once and starts a new count.
    if (++m_autosaveSeconds < settings.autoSavePeriod) return;
    m_autosaveSeconds = 0;
    if (!m_open) return;
    BusyScope busy(m_busy);
    if (changedExternally() && !chooseNewName()) return;
    showStatus(kSaving);
    if (settings.autoSaveBackup &&
        model::checkProfile(m_workspace.profile, m_workspace.sets, true, m_port, m_workspace.translator))
        writeBackup();
    write();
}

// Copied through the program's one way of replacing a file, so that an older backup is never left
// half overwritten. Failures are ignored.
void ProfileSession::writeBackup() {
    const app::FileReadResult current = app::readRegularFile(app::nativePath(m_path), model::kMaxProfileFileSize);
    if (current.read()) app::writeFileAtomically(app::nativePath(backupPath(m_path)), current.bytes);
}

void ProfileSession::checkExternalChange() {
    if (m_open && !m_busy && changedExternally()) save();
}

model::VendorTokenChanges ProfileSession::alignVendorToken() {
    if (!m_open) return {};
    BusyScope busy(m_busy);
    return m_workspace.document.alignVendorToken(m_workspace.settings.vendorToken, m_workspace.texts, m_workspace.user,
                                                 m_port, m_workspace.translator);
}

}  // namespace tabrin::session
