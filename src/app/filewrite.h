// Replacing a file's contents without ever leaving a half-written file behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabrin::app {

enum class FileWriteStatus { Written, CannotOpen, CannotWrite };

/// Writes `bytes` to a temporary file in the folder of `path` and renames it over `path`.
/// On any failure the temporary file is removed, an existing file at `path` is left as it was and
/// errno tells why.
FileWriteStatus writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

/// The system's description of the error number `error` (errno), as Windows-1251 text.
std::string systemErrorText(int error);

}  // namespace tabrin::app
