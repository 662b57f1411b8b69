// The interface language a fresh installation starts with: Russian only for a Russian locale.
#include "app/localelanguage.h"

#include <cstdlib>
#include <string_view>

namespace tabrin::app {

int localeDefaultLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        const std::string_view locale(value);
        const bool russian = locale.substr(0, 2) == "ru" && (locale.size() == 2 || locale[2] == '_' || locale[2] == '.');
        return russian ? 0 : 1;
    }
    return 1;
}

}  // namespace tabrin::app
