// Messages made from a pattern whose placeholders take their values in order.
#include "app/formattext.h"

namespace tabrin::app {

std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    auto next = arguments.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char following = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c == '%' && following == '%') {
            text += '%';
            ++i;
        } else if (c == '%' && (following == 's' || following == 'd') && next != arguments.end()) {
            text += *next++;
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace tabrin::app
