// Replacing a file's contents without ever leaving a half-written file behind.
#pragma once

#include <filesystem>
#include <string_view>

namespace tabrin::app {

enum class FileWriteStatus { Written, CannotOpen, CannotWrite };

/// Writes `bytes` to a temporary file in the folder of `path` and renames it over `path`.
/// On any failure the temporary file is removed and an existing file at `path` is left as it was.
FileWriteStatus writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tabrin::app
