// What a panel layout writes besides its tables: the comment head of the file with its
// translated texts, the include line, and the progress of the generation.
#include "panel/layoutcontext.h"

#include "app/paths.h"
#include "app/translator.h"

namespace tabrin::panel {

std::string LayoutContext::profilesLine() const {
    std::string line = translator().tr("* для профиля(й) *");
    for (const std::string& file : profileFiles) line += "\n* " + app::shownPath(file) + " *";
    return line;
}

std::string LayoutContext::dateLine(std::string_view end) const {
    return translator().tr("* Дата создания: ") + environment.dateTime + std::string(end);
}

std::string LayoutContext::userLine(std::string_view end) const {
    return translator().tr("* Пользователь: ") + environment.services.user + std::string(end);
}

std::string LayoutContext::includeLine(std::string_view defaultInclude) const {
    return "#include " + (include.empty() ? std::string(defaultInclude) : include);
}

}  // namespace tabrin::panel
