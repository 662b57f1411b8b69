// Finding the program's manual in the folder "Manual" of the program folder.
#pragma once

#include <filesystem>
#include <optional>

namespace tabrin::app {

/// The manual for the interface language: a file of "Manual" whose name holds "руководство"
/// (Russian) or "manual" (English), letter case aside, and ends in ".pdf"; when there is none, one
/// ending in ".doc" and at most one more character. The first such name in name order; nothing when
/// there is none.
std::optional<std::filesystem::path> findManual(const std::filesystem::path& programFolder, bool englishInterface);

}  // namespace tabrin::app
