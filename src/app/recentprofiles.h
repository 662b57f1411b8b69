// The list of recently opened profiles, most recent first, as the "Файл" menu shows it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/paths.h"

namespace tabrin::app {

/// Puts `path` (absolute) at the front of `list`, keeps at most `limit` entries (at least one),
/// drops later entries naming the same file and recomputes every relative path against
/// `programFolder`.
void putRecentProfileFirst(std::vector<TPathRelAbs>& list, std::string_view path,
                           const std::filesystem::path& programFolder, int limit);

/// The file an entry names now (the relative path winning), or its absolute path when it names
/// none: what its menu item shows and opens.
std::string recentProfilePath(const std::filesystem::path& programFolder, TPathRelAbs entry);

}  // namespace tabrin::app
