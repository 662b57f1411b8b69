// Text and enumeration numbers read from attributes: a value that is not one stops the
// generation with a message naming the file, the element and the attribute.
#include "panel/numberattribute.h"

#include "app/integertext.h"
#include "bases/textbase.h"
#include "panel/stopmessage.h"

namespace tabrin::panel {

std::optional<int> readNumberAttribute(std::string_view value, const AttributePlace& place, app::MessagePort& port,
                                       app::Translator& translator) {
    const std::optional<int> number = app::toInteger(value);
    if (number && *number >= 0 && *number <= bases::kMaxTextNumber) return number;
    const std::string problem = number ? "' is out of the range 0.." + std::to_string(bases::kMaxTextNumber)
                                       : "' is not a valid integer value";
    tellGenerationStopped(port, translator,
                          "'" + std::string(value) + problem + ": attribute " + std::string(place.attribute) + " of " +
                              place.element + " in file '" + place.file + "'");
    return std::nullopt;
}

}  // namespace tabrin::panel
