// Telling the user why a panel-file generation stops.
#include "panel/stopmessage.h"

#include "app/messageport.h"
#include "app/translator.h"

namespace tabrin::panel {

void tellGenerationStopped(app::MessagePort& port, app::Translator& translator, std::string text) {
    port.ask({translator.tr("Ошибка"), std::move(text), app::MessageButtons::Ok,
              app::MessageIcon::Warning});
}

}  // namespace tabrin::panel
