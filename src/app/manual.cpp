// Finding the program's manual in the folder "Manual" of the program folder.
#include "app/manual.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/cp1251.h"

namespace fs = std::filesystem;

namespace tabrin::app {
namespace {

// The shell's "*word*.pdf" and "*word*.doc?": a trailing "?" also matches no character at all.
bool matches(std::string_view lowerName, std::string_view word, std::string_view extension, bool oneMoreAllowed) {
    const std::size_t dot = lowerName.rfind(extension);
    if (dot == std::string_view::npos) return false;
    const std::size_t after = lowerName.size() - dot - extension.size();
    if (after > (oneMoreAllowed ? 1u : 0u)) return false;
    return lowerName.substr(0, dot).find(word) != std::string_view::npos;
}

}  // namespace

std::optional<fs::path> findManual(const fs::path& programFolder, bool englishInterface) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator entry(programFolder / "Manual", error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file(error)) files.push_back(entry->path());
    }
    std::sort(files.begin(), files.end());
    const std::string word = cp1251::fromUtf8(englishInterface ? "manual" : "руководство");
    for (const auto& [extension, oneMoreAllowed] : {std::pair{".pdf", false}, std::pair{".doc", true}}) {
        for (const fs::path& file : files) {
            // Compared in the code page, where the case of Cyrillic letters is known.
            if (matches(cp1251::lower(cp1251::fromUtf8(file.filename().native())), word, extension, oneMoreAllowed))
                return file;
        }
    }
    return std::nullopt;
}

}  // namespace tabrin::app
