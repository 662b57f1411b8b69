// The five kinds of panel text file and their names.
#pragma once

#include <optional>
#include <string>

namespace tabrin::app {
class Translator;
}

namespace tabrin::panel {

/// The numbers are those of the panel-type choice and of the profile setting PUCodeType + 2.
enum class PanelType { AssemblerA = 0, AssemblerSh = 1, C28x = 2, CPacked2808 = 3, CHiwin = 4 };

/// The panel type of a choice number, when there is one.
std::optional<PanelType> panelTypeFromNumber(int number);

/// The name the user chooses the type by, translated (Windows-1251), e.g. "Си для 28x".
std::string panelTypeName(PanelType type, app::Translator& translator);

bool isAssemblerType(PanelType type);

}  // namespace tabrin::panel
