// The comparisons the dictionary page offers: another profile file against the open profile, and
// the base profile against the current configuration, as the comparison window shows them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editing/profilecomparison.h"

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
}  // namespace tabrin::app

namespace tabrin::session {

class Workspace;

/// A comparison with what its two sides are; every text is Windows-1251 and translated.
struct ShownComparison {
    std::string caption;
    std::string sideA;  // the side compared against: another file, or the base profile
    std::string sideB;  // the view of the open profile
    std::vector<editing::ComparisonLine> lines;
};

/// "Сравнить с файлом…": asks for a profile file (starting at `startPath`) and compares its
/// configuration at the current position (its base profile when it has no such configuration) with
/// the current view of the open profile. Nothing when the user cancels or the file cannot be read,
/// which an error box tells.
std::optional<ShownComparison> compareWithFile(Workspace& workspace, app::MessagePort& port,
                                               app::FileDialogPort& dialogs, const std::string& startPath);

/// Offered while a configuration other than the base profile is current.
bool canCompareWithBaseProfile(const Workspace& workspace);

/// "Сравнить с базовым профилем": the base profile against the current configuration.
ShownComparison compareWithBaseProfile(Workspace& workspace);

}  // namespace tabrin::session
