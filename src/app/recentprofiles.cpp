// The list of recently opened profiles, most recent first, as the "Файл" menu shows it.
#include "app/recentprofiles.h"

#include <algorithm>

namespace tabrin::app {

void putRecentProfileFirst(std::vector<TPathRelAbs>& list, std::string_view path,
                           const std::filesystem::path& programFolder, int limit) {
    std::vector<TPathRelAbs> updated{{std::string(), std::string(path)}};
    for (TPathRelAbs& entry : list) {
        const bool known =
            std::any_of(updated.begin(), updated.end(), [&](const TPathRelAbs& kept) { return kept.abs == entry.abs; });
        if (!known) updated.push_back(std::move(entry));
    }
    updated.resize(std::min(updated.size(), static_cast<std::size_t>(std::max(limit, 1))));
    for (TPathRelAbs& entry : updated) entry.rel = relativePathText(programFolder, entry.abs);
    list = std::move(updated);
}

std::string recentProfilePath(const std::filesystem::path& programFolder, TPathRelAbs entry) {
    const std::string resolved = resolvePair(programFolder, entry);
    return resolved.empty() ? entry.abs : resolved;
}

}  // namespace tabrin::app
