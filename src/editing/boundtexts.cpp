// The texts bound to an enumeration.
#include "editing/boundtexts.h"

namespace tabrin::editing {

std::vector<std::size_t> textsBoundTo(const bases::TextBase& texts, std::string_view number) {
    std::vector<std::size_t> bound;
    const auto& elements = texts.elements();
    for (std::size_t position = 0; position < elements.size(); ++position) {
        if (elements[position].sets == number) bound.push_back(position);
    }
    return bound;
}

const std::string& boundTextCell(const bases::TextBaseElement& text, int column) {
    switch (column) {
    case kBoundTextNumber: return text.textid;
    case kBoundTextLongRussian: return text.trus;
    case kBoundTextLongEnglish: return text.teng;
    case kBoundTextShort: return text.text;
    default: return text.author;
    }
}

}  // namespace tabrin::editing
