// Telling the user why a panel-file generation stops.
#pragma once

#include <string>

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::panel {

/// Shows `text` (Windows-1251) with the caption "Ошибка" and a warning icon.
void tellGenerationStopped(app::MessagePort& port, app::Translator& translator, std::string text);

}  // namespace tabrin::panel
