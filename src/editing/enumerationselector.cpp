// The enumerations the selector lists.
#include "editing/enumerationselector.h"

#include "app/cp1251.h"
#include "editing/enumerationitems.h"

namespace tabrin::editing {
namespace {

bool passes(const bases::SetBaseElement& set, std::string_view filter) {
    if (filter.empty()) return true;
    return set.id.find(filter) != std::string::npos ||
           cp1251::lower(set.joinedText).find(filter) != std::string::npos ||
           cp1251::lower(set.author).find(filter) != std::string::npos;
}

}  // namespace

std::vector<std::size_t> listedEnumerations(const bases::SetBase& sets, std::string_view filter, bool showOthers,
                                            std::string_view user) {
    const std::string lowered = cp1251::lower(cp1251::trim(filter));
    std::vector<std::size_t> listed;
    const auto& elements = sets.elements();
    for (std::size_t position = 0; position < elements.size(); ++position) {
        const bases::SetBaseElement& set = elements[position];
        const bool own = set.author == user;
        // Other users' empty enumerations are never offered.
        if (!own && (!showOthers || isEmptyEnumeration(set))) continue;
        if (passes(set, lowered)) listed.push_back(position);
    }
    return listed;
}

}  // namespace tabrin::editing
