// Generated files saved to disk: the folder copy, vost.asm, the EDS file and the log copy.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabrin::generators {

/// The assembler file's name in the program's folder.
inline constexpr std::string_view kAssemblerFileName = "vost.asm";

/// Writes `bytes` to `file`, replacing an existing file only when the whole text was written.
/// Returns why it could not (Windows-1251), or an empty text.
std::string saveGeneratedFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tabrin::generators
