#include "editing/quoterefusal.h"

#include "app/messageport.h"
#include "app/translator.h"

namespace tabrin::editing {

bool refuseSingleQuote(std::string_view typed, app::Translator& translator, app::MessagePort& port) {
    if (typed.find('\'') == std::string_view::npos) return true;
    port.ask({translator.tr("Ошибка"),
              translator.tr("Символ ' (одинарная кавычка) является недопустимым.\r\nМожно заменить его на "
                            "символ ` (на клавише Ё)."),
              app::MessageButtons::Ok, app::MessageIcon::Warning});
    return false;
}

}  // namespace tabrin::editing
