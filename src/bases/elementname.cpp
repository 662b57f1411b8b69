// The XML element name of a base element: a prefix and the element's number.
#include "bases/elementname.h"

#include "app/integertext.h"

namespace tabrin::bases {

std::optional<std::string> elementName(std::string_view prefix, std::string_view id) {
    if (!app::toInteger(id)) return std::nullopt;
    return std::string(prefix) + std::string(id.substr(id.find_first_not_of(" \t")));
}

}  // namespace tabrin::bases
