// The XML element name of a base element, and the number its id takes from the range new ones come from.
#include "bases/elementname.h"

#include "app/cp1251.h"
#include "app/integertext.h"

namespace tabrin::bases {

std::string elementName(std::string_view prefix, std::string_view id) {
    const std::optional<int> number = app::toInteger(id);
    if (number && std::to_string(*number) == id) return std::string(prefix) + std::string(id);
    return std::string(prefix.substr(0, prefix.find_last_not_of('_') + 1));
}

std::optional<int> numberTaken(std::string_view text) { return app::toInteger(cp1251::trim(text)); }

}  // namespace tabrin::bases
