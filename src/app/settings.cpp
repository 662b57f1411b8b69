// The program's settings file "Tabrin4.INI" beside the program: every key as one value, and
// reading and writing the file.
#include "app/settings.h"

#include <algorithm>
#include <functional>
#include <span>
#include <system_error>
#include <variant>

#include "app/cp1251.h"
#include "app/inifile.h"

namespace fs = std::filesystem;

namespace tabrin::app {
namespace {

constexpr const char* optionsSection = "Options";
constexpr const char* mainSection = "Main";
constexpr const char* vostSection = "Vost";
constexpr const char* chooseTextSection = "ChooseText";
constexpr const char* recentProfilesSection = "RecentProfiles";

struct SettingsKey {
    const char* section;
    const char* key;
    std::variant<int Settings::*, bool Settings::*, std::string Settings::*> member;
};

// The single keys, read and written alike; grid widths and recent profiles are numbered keys.
constexpr SettingsKey settingsKeys[] = {
    {optionsSection, "ProgLanguage", &Settings::progLanguage},
    {optionsSection, "VendorToken", &Settings::vendorToken},
    {optionsSection, "Last_prof_open", &Settings::lastProfOpen},
    {optionsSection, "RememberLastNum", &Settings::rememberLastNum},
    {optionsSection, "text_reserv_cnt", &Settings::textReservCnt},
    {optionsSection, "set_reserv_cnt", &Settings::setReservCnt},
    {optionsSection, "prof_auto_save", &Settings::profAutoSave},
    {optionsSection, "auto_save_period", &Settings::autoSavePeriod},
    {optionsSection, "auto_save_backup", &Settings::autoSaveBackup},
    {optionsSection, "save_at_generation", &Settings::saveAtGeneration},
    {optionsSection, "promptSyncOnClose", &Settings::promptSyncOnClose},
    {mainSection, "User", &Settings::user},
    {mainSection, "last_TopRow", &Settings::lastTopRow},
};

struct PathKey {
    const char* section;
    const char* key;
    std::string Settings::*member;
};

// The keys holding a path: converted between the file's code page and path texts.
constexpr PathKey pathKeys[] = {
    {optionsSection, "XMLProgPath", &Settings::xmlProgPath},
    {optionsSection, "KelvoParamsPath", &Settings::kelvoParamsPath},
    {mainSection, "Kelvo_path", &Settings::kelvoPath},
    {mainSection, "ReportFolder", &Settings::reportFolder},
};

std::string columnWidthKey(std::size_t column) { return "ColWidth" + std::to_string(column); }
std::string profileKey(std::size_t position) { return "Profile" + std::to_string(position); }
std::string profileRelKey(std::size_t position) { return "ProfileRel" + std::to_string(position); }

void getPath(const IniFile& ini, const std::string& section, const std::string& key, std::string& path) {
    std::string stored = cp1251::fromUtf8(path);  // an absent key keeps the default, an ASCII text
    ini.get(section, key, stored);
    path = pathFromStored(stored);
}

// A path the file's code page cannot hold is not written: the key keeps what the file had, rather
// than a path that names another file.
bool setPath(IniFile& ini, const std::string& section, const std::string& key, const std::string& path) {
    const std::optional<std::string> stored = storedPath(path);
    if (stored) ini.set(section, key, *stored);
    return stored.has_value();
}

void getColumnWidths(const IniFile& ini, const std::string& section, std::span<int> widths) {
    for (std::size_t column = 0; column < widths.size(); ++column) ini.get(section, columnWidthKey(column), widths[column]);
}

void setColumnWidths(IniFile& ini, const std::string& section, std::span<const int> widths) {
    for (std::size_t column = 0; column < widths.size(); ++column) ini.set(section, columnWidthKey(column), widths[column]);
}

// The entries that name an existing file, each file once: writing leaves the entries the file held
// beyond the list, so an entry that moved up may be found again further down.
std::vector<TPathRelAbs> readRecentProfiles(const IniFile& ini, int count, const fs::path& programFolder) {
    std::vector<TPathRelAbs> profiles;
    std::vector<std::string> resolvedPaths;
    for (int position = 0; position < std::min(count, maxRememberLastNum); ++position) {
        TPathRelAbs profile;
        getPath(ini, recentProfilesSection, profileRelKey(position), profile.rel);
        getPath(ini, recentProfilesSection, profileKey(position), profile.abs);
        const std::string resolved = resolvePair(programFolder, profile);
        std::error_code ignored;
        if (resolved.empty() || !fs::is_regular_file(nativePath(resolved), ignored) ||
            std::find(resolvedPaths.begin(), resolvedPaths.end(), resolved) != resolvedPaths.end())
            continue;
        resolvedPaths.push_back(resolved);
        profiles.push_back(std::move(profile));
    }
    return profiles;
}

// Loads the existing file, applies `change` and writes the file back, so that keys the change does
// not touch stay as they were. A file that exists but cannot be read is not replaced.
std::string rewrite(const fs::path& iniFile, const std::function<void(IniFile&)>& change) {
    IniFile ini;
    if (!ini.load(iniFile)) return "cannot read the existing file";
    change(ini);
    return ini.save(iniFile);
}

}  // namespace

fs::path settingsFilePath(const fs::path& programFolder) { return programFolder / "Tabrin4.INI"; }

Settings readSettings(const fs::path& iniFile, int defaultLanguage) {
    Settings settings;
    settings.progLanguage = defaultLanguage;
    IniFile ini;
    if (!ini.load(iniFile)) return settings;
    for (const SettingsKey& entry : settingsKeys)
        std::visit([&](auto member) { ini.get(entry.section, entry.key, settings.*member); }, entry.member);
    for (const PathKey& entry : pathKeys) getPath(ini, entry.section, entry.key, settings.*entry.member);
    if (settings.progLanguage != progLanguageRussian && settings.progLanguage != progLanguageEnglish)
        settings.progLanguage = defaultLanguage;
    getColumnWidths(ini, vostSection, settings.profColumnWidths);
    getColumnWidths(ini, chooseTextSection, settings.chooseTextColumnWidths);
    std::error_code ignored;
    settings.recentProfiles = readRecentProfiles(ini, settings.rememberLastNum, fs::absolute(iniFile, ignored).parent_path());
    return settings;
}

std::string writeSettings(const fs::path& iniFile, const Settings& settings) {
    return rewrite(iniFile, [&](IniFile& ini) {
        for (const SettingsKey& entry : settingsKeys)
            std::visit([&](auto member) { ini.set(entry.section, entry.key, settings.*member); }, entry.member);
        for (const PathKey& entry : pathKeys) setPath(ini, entry.section, entry.key, settings.*entry.member);
        setColumnWidths(ini, vostSection, settings.profColumnWidths);
        // An entry is found again by either of its paths; one that neither can name is left out.
        std::size_t position = 0;
        for (const TPathRelAbs& profile : settings.recentProfiles) {
            const bool relStored = setPath(ini, recentProfilesSection, profileRelKey(position), profile.rel);
            const bool absStored = setPath(ini, recentProfilesSection, profileKey(position), profile.abs);
            if (!absStored && relStored) ini.set(recentProfilesSection, profileKey(position), std::string());
            if (!relStored && absStored) ini.set(recentProfilesSection, profileRelKey(position), std::string());
            if (relStored || absStored) ++position;
        }
    });
}

std::string writeChooseTextColumnWidths(const fs::path& iniFile, const ChooseTextColumnWidths& widths) {
    return rewrite(iniFile, [&](IniFile& ini) { setColumnWidths(ini, chooseTextSection, widths); });
}

}  // namespace tabrin::app
