// The one way the core asks the user for a file name: the open and save dialogs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tabrin::app {

/// A file dialog. The title (already translated) and the filter are Windows-1251 bytes, the paths
/// path texts (app/paths.h). The filter is given as Windows writes it: "name|patterns|name|patterns",
/// patterns separated by ";".
struct FileDialog {
    std::string title;
    std::string filter;
    std::string startPath;  // a file proposed by name, or a folder to start in
    std::string defaultExtension;

    bool operator==(const FileDialog&) const = default;
};

/// Shows file dialogs and returns the chosen path text, or nothing when the user cancels. The window
/// layer shows the platform's dialogs; tests answer from a script.
class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    virtual std::optional<std::string> askOpenPath(const FileDialog& dialog) = 0;
    /// The open dialog choosing several files at a time; none when the user cancels.
    virtual std::vector<std::string> askOpenPaths(const FileDialog& dialog) = 0;
    /// Asks before a chosen file is overwritten.
    virtual std::optional<std::string> askSavePath(const FileDialog& dialog) = 0;
};

}  // namespace tabrin::app
