// Replacing a file's contents without ever leaving a half-written file behind.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tabrin::app {

enum class FileWriteStatus { Written, CannotOpen, CannotWrite };

struct FileWriteResult {
    FileWriteStatus status = FileWriteStatus::Written;
    int error = 0;  // the system's error number of a failure; 0 when there is none to tell

    bool written() const { return status == FileWriteStatus::Written; }
};

/// The system's description of an error number ("Permission denied") in Windows-1251.
std::string systemErrorText(int error);

/// Writes `bytes` to `path`, replacing an existing file only when the whole text was written:
/// - a symbolic link is followed to its final target, which is replaced; the link stays;
/// - the text goes to a temporary file with a short name in the target's folder, renamed over the
///   target; the replacement keeps the target's permissions and, where the system allows, its owner;
/// - a target the user may not write (a read-only file) is refused as writing it in place would be;
/// - a target that is no regular file (a device, a pipe, a socket) is written directly; a pipe
///   nobody reads is refused rather than waited for;
/// - when the folder allows no temporary file but the target may be written, it is written in
///   place, and the notice (see `setFileWriteNotice`) says so; room for the new text is reserved
///   first and the old text is put back on any failure (a full disk among them);
/// - temporary files of the same target left behind by a save that was killed are removed, never
///   those of another save of the same target still at work, so that saves may run at once.
/// On failure the temporary file is removed and the old file is left as it was; errno holds the
/// result's error, for callers that pass the reason on later.
FileWriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

/// Receives the English, Windows-1251 line that tells how a file had to be written unusually.
/// It may be called from any thread that writes a file.
using FileWriteNotice = std::function<void(std::string_view line)>;

/// Sets the receiver of the notices for the whole process; an empty one drops them.
void setFileWriteNotice(FileWriteNotice notice);

}  // namespace tabrin::app
