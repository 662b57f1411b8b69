// The base export file: both bases in one document for the parameter-setup tool, and the
// command that writes it without a window.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/messageport.h"
#include "bases/setbase.h"
#include "bases/textbase.h"

namespace tabrin::bases {

/// "coTextBase.xml", or "coTextBase_" + token + ".xml" when the program has a vendor token.
std::string exportFileName(std::string_view vendorToken);

/// Called between entries of a long export so that a window can stay responsive.
using ProcessPendingEvents = std::function<void()>;

/// Builds the export document of both bases as they are in memory.
xml::XMLNode buildExportDocument(const TextBase& texts, const SetBase& sets,
                                 std::chrono::system_clock::time_point creationTime,
                                 const ProcessPendingEvents& processPendingEvents = {});

/// Writes the export document to `file`; true when the whole file was written. `systemError`
/// receives the system's error number of a failure.
bool writeExportFile(const std::filesystem::path& file, const TextBase& texts, const SetBase& sets,
                     std::chrono::system_clock::time_point creationTime,
                     const ProcessPendingEvents& processPendingEvents = {}, int* systemError = nullptr);

/// The folder named by a command-line argument, ending in '/': without quotes and blanks,
/// relative to `programFolder` unless it starts with '/' or a drive ("D:"). Backslashes count
/// as separators. An empty argument gives `programFolder` when `emptyMeansProgramFolder`, else "".
/// Texts are path texts (app/paths.h).
std::string normaliseFolderArgument(std::string_view argument, bool emptyMeansProgramFolder,
                                    std::string_view programFolder);

/// The text after "-export-texts" in a command line, the switch written in any case, the text
/// returned as given; nothing when the command line does not ask for the export.
std::optional<std::string> exportTextsArgument(std::string_view commandLine);

enum class ExportResult {
    Written,
    BasesUnread,  // a base is missing or unreadable; reading faults were told
    NotWritten,   // the export file could not be written; told with the system's reason
};

/// Loads both bases of `programFolder`, and writes the export file named after the vendor token
/// of the settings file into the folder named by `folderArgument`. Faults are told through `port`.
ExportResult runExportTexts(std::string_view folderArgument, const std::filesystem::path& programFolder,
                            app::MessagePort& port);

/// The process exit code of the export: 0 when the file was written, 1 otherwise.
int exitCode(ExportResult result);

}  // namespace tabrin::bases
