#include "editing/quoterefusal.h"

#include <algorithm>

#include "app/messageport.h"
#include "app/translator.h"

namespace tabrin::editing {

std::string withoutSingleQuotes(std::string_view typed) {
    std::string kept(typed);
    kept.erase(std::remove(kept.begin(), kept.end(), kSingleQuote), kept.end());
    return kept;
}

void tellSingleQuoteRefused(app::Translator& translator, app::MessagePort& port) {
    port.ask({translator.tr("Ошибка"),
              translator.tr("Символ ' (одинарная кавычка) является недопустимым.\r\nМожно заменить его на "
                            "символ ` (на клавише Ё)."),
              app::MessageButtons::Ok, app::MessageIcon::Warning});
}

bool refuseSingleQuote(std::string_view typed, app::Translator& translator, app::MessagePort& port) {
    if (typed.find(kSingleQuote) == std::string_view::npos) return true;
    tellSingleQuoteRefused(translator, port);
    return false;
}

}  // namespace tabrin::editing
