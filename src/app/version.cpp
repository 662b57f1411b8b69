// The program's version text, its title and the main window's caption.
#include "app/version.h"

#include <vector>

#include "app/cp1251.h"
#include "app/translator.h"

namespace tabrin::app {
namespace {

std::vector<std::string_view> splitAtDots(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t dot = text.find('.', start);
        parts.push_back(text.substr(start, dot - start));
        if (dot == std::string_view::npos) return parts;
        start = dot + 1;
    }
}

}  // namespace

std::string versionText(std::string_view fileVersion) {
    if (fileVersion.empty()) return {};
    const std::vector<std::string_view> parts = splitAtDots(fileVersion);
    if (parts.size() < 4) return "v." + std::string(fileVersion);
    return "v." + std::string(parts[0]) + "." + std::string(parts[1]) + "." + std::string(parts[2]);
}

std::string programTitle() { return "Tabrin " + versionText(TABRIN_VERSION); }

std::string windowTitle(Translator& translator, std::string_view profilePath, bool modified, bool logOpen) {
    std::string title = programTitle();
    if (!profilePath.empty()) {
        title += cp1251::toUtf8(translator.tr(" - Профиль: "));
        title += profilePath;
        if (modified) title += '*';
    }
    if (logOpen) title += " [DEBUG]";
    return title;
}

}  // namespace tabrin::app
