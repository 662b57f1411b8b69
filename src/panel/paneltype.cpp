// The five kinds of panel text file and their names.
#include "panel/paneltype.h"

#include <iterator>
#include <string_view>

#include "app/translator.h"

namespace tabrin::panel {
namespace {

// Indexed by the type's number.
constexpr std::string_view kPanelTypeNames[] = {
    "Ассемблер для 240x (А)", "Ассемблер для 240x (Ш)", "Си для 28x", "Си с упаковкой для 2808", "Си для ПУ HIWIN",
};

}  // namespace

std::optional<PanelType> panelTypeFromNumber(int number) {
    if (number < 0 || number >= static_cast<int>(std::size(kPanelTypeNames))) return std::nullopt;
    return static_cast<PanelType>(number);
}

std::string panelTypeName(PanelType type, app::Translator& translator) {
    return translator.tr(kPanelTypeNames[static_cast<int>(type)]);
}

bool isAssemblerType(PanelType type) { return type == PanelType::AssemblerA || type == PanelType::AssemblerSh; }

}  // namespace tabrin::panel
