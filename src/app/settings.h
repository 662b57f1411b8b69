// The program's settings file "Tabrin4.INI" beside the program: every key as one value, and
// reading and writing the file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/columnwidths.h"
#include "app/paths.h"

namespace tabrin::app {

/// The values of ProgLanguage, the interface language.
inline constexpr int progLanguageRussian = 0;
inline constexpr int progLanguageEnglish = 1;

/// The most recent profiles that can be remembered: the options dialog's limit, and how many entries
/// are read back whatever a hand-edited RememberLastNum says.
inline constexpr int maxRememberLastNum = 50;

/// Every key of the settings file, with the value a fresh installation starts with. Texts are
/// Windows-1251 bytes, but paths are path texts (see paths.h); the grid widths are stored ones (see
/// columnwidths.h for those shown).
struct Settings {
    // [Options]
    int progLanguage = progLanguageRussian;  // the reader sets the locale's language when the file has none
    std::string vendorToken;
    bool lastProfOpen = false;
    int rememberLastNum = 10;
    std::string xmlProgPath = "C:\\Program Files\\XML Marker\\xmlmarker.exe";
    int textReservCnt = 0;
    int setReservCnt = 0;
    bool profAutoSave = false;
    int autoSavePeriod = 300;
    bool autoSaveBackup = false;
    bool saveAtGeneration = true;
    bool promptSyncOnClose = true;
    std::string kelvoParamsPath = "C:\\";
    // [Main]
    std::string user;
    std::string kelvoPath;
    int lastTopRow = 0;
    std::string reportFolder;  // where the last parameter report was saved
    // [Vost]
    ProfColumnWidths profColumnWidths = defaultProfColumnWidths;
    // [ChooseText], written only by the text picker
    ChooseTextColumnWidths chooseTextColumnWidths = defaultChooseTextColumnWidths;
    // [RecentProfiles], the most recent first; paths relative to the program folder
    std::vector<TPathRelAbs> recentProfiles;

    bool englishInterface() const { return progLanguage == progLanguageEnglish; }

    bool operator==(const Settings&) const = default;
};

/// The settings file of the program in `programFolder`.
std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder);

/// Reads the settings file. Keys that are absent keep their defaults, and so do numbers and
/// booleans whose text is not a decimal integer; a missing or unreadable file gives the defaults
/// throughout. `defaultLanguage` (the language of the user's locale) stands for a ProgLanguage
/// that is absent or neither 0 nor 1. The recent profiles below RememberLastNum are resolved
/// against the folder of `iniFile`; those whose file no longer exists are left out.
Settings readSettings(const std::filesystem::path& iniFile, int defaultLanguage);

/// Writes every key except the ChooseText section into `iniFile`, keeping whatever else the file
/// holds, among it the recent-profile keys of a formerly longer list. A path that Windows-1251
/// cannot hold is not written: its key keeps the file's value, and a recent profile keeps only
/// the path (relative or absolute) that can be written, or is left out. Returns an empty text on
/// success, otherwise why nothing was written.
[[nodiscard]] std::string writeSettings(const std::filesystem::path& iniFile, const Settings& settings);

/// Writes the ChooseText section into `iniFile` as `writeSettings` writes the others.
[[nodiscard]] std::string writeChooseTextColumnWidths(const std::filesystem::path& iniFile, const ChooseTextColumnWidths& widths);

}  // namespace tabrin::app
