// The comparisons the dictionary page offers: another profile file against the open profile, and
// the base profile against the current configuration, as the comparison window shows them.
#include "session/profilecomparing.h"

#include "app/cp1251.h"
#include "app/eventlog.h"
#include "app/filedialogport.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "session/profilesession.h"
#include "session/workspace.h"

namespace tabrin::session {
namespace {

constexpr std::string_view kFileTitle = "Сравнить с файлом";
constexpr std::string_view kFileCaption = "Сравнение с файлом ";
constexpr std::string_view kInFile = "В файле";
constexpr std::string_view kInProfile = "В профиле";
constexpr std::string_view kBaseCaption = "Сравнение с базовым профилем";
constexpr std::string_view kErrorCaption = "Ошибка";

editing::ComparisonContext comparisonContext(Workspace& workspace) {
    return {workspace.texts, workspace.language, workspace.translator};
}

const std::string& configurationName(const model::Profile& profile, int position) {
    return profile.configurations[static_cast<std::size_t>(position)].name;
}

// "В файле (Базовый профиль)"
std::string sideName(Workspace& workspace, std::string_view side, const model::Profile& profile, int position) {
    return workspace.translator.tr(side) + " (" + configurationName(profile, position) + ")";
}

}  // namespace

std::optional<ShownComparison> compareWithFile(Workspace& workspace, app::MessagePort& port,
                                               app::FileDialogPort& dialogs, const std::string& startPath) {
    const std::optional<std::string> chosen = dialogs.askOpenPath(
        {workspace.translator.tr(kFileTitle), cp1251::fromUtf8(kProfileFileFilter), startPath, "xml"});
    if (!chosen) return std::nullopt;
    app::EventLog noLog;  // the file is only read
    editing::ProfileDocument document(workspace.translator, workspace.language, workspace.texts, noLog);
    if (const xml::TOperationResult loaded = document.load(app::nativePath(*chosen)); !loaded.ok()) {
        port.ask({workspace.translator.tr(kErrorCaption),
                  cp1251::fromUtf16(workspace.translator.translateWideText(loaded.message)), app::MessageButtons::Ok,
                  app::MessageIcon::Error});
        return std::nullopt;
    }
    // The open profile encrypts its format words whatever its file says; so would the other one.
    document.encryptFormatWords();
    const model::Profile& other = document.profile();
    const model::Profile& open = workspace.profile;
    const int current = open.CurrSubProfile;
    const int position = current < static_cast<int>(other.configurations.size()) ? current : 0;
    const editing::ProfileComparison comparison =
        editing::compareProfiles(other, position, open, current, comparisonContext(workspace));
    return ShownComparison{workspace.translator.tr(kFileCaption) + app::shownPath(*chosen),
                           sideName(workspace, kInFile, other, position),
                           sideName(workspace, kInProfile, open, current), editing::comparisonLines(comparison)};
}

bool canCompareWithBaseProfile(const Workspace& workspace) { return workspace.profile.CurrSubProfile > 0; }

ShownComparison compareWithBaseProfile(Workspace& workspace) {
    const model::Profile& open = workspace.profile;
    const editing::ProfileComparison comparison =
        editing::compareProfiles(open, 0, open, open.CurrSubProfile, comparisonContext(workspace));
    return {workspace.translator.tr(kBaseCaption), configurationName(open, 0),
            configurationName(open, open.CurrSubProfile), editing::comparisonLines(comparison)};
}

}  // namespace tabrin::session
