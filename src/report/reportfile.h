// Where the parameter report is saved: the save dialog proposing a file beside the profile, and
// the folder remembered for the next report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrin::app {
class FileDialogPort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::report {

/// Asks where to save the report of the profile at `profilePath` (a Windows-1251 path text). The
/// save dialog proposes "<profile name> - report.docx" in `rememberedFolder` when that is an
/// existing folder, otherwise beside the profile. The folder of a chosen file becomes
/// `rememberedFolder`. Nothing when the user cancels.
std::optional<std::string> askReportFile(app::FileDialogPort& dialogs, std::string_view profilePath,
                                         std::string& rememberedFolder, app::Translator& translator);

}  // namespace tabrin::report
