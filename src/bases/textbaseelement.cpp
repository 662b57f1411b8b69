// One text of the text base: reading and writing its XML element.
#include "bases/textbaseelement.h"

#include <iterator>

#include "bases/elementname.h"
#include "bases/elementresults.h"

namespace tabrin::bases {

xml::TOperationResult TextBaseElement::readFromXml(const xml::XMLNode& node) {
    if (node.isEmpty()) return noXmlNodeResult();
    *this = {};
    // One pass over the attributes; the first of a repeated name counts.
    std::string* const fields[] = {&id, &textid, &text, &sets, &trus, &teng, &author};
    static constexpr std::string_view kNames[] = {"id", "textid", "text", "sets", "trus", "teng", "author"};
    bool seen[std::size(kNames)] = {};
    for (int i = 0; i < node.attributeCount(); ++i) {
        const xml::XMLAttribute* attribute = node.attribute(i);
        for (std::size_t k = 0; k < std::size(kNames); ++k) {
            if (seen[k] || attribute->name != kNames[k]) continue;
            seen[k] = true;
            *fields[k] = attribute->value.value_or(std::string_view());
            break;
        }
    }
    return {};
}

xml::TOperationResult TextBaseElement::writeToXml(xml::XMLNode parent) {
    if (parent.isEmpty()) return noXmlNodeResult();
    if (hasNoTexts()) sets = "0";
    xml::XMLNode node = parent.addChild(elementName("text_", id));
    node.addAttribute("id", id);
    node.addAttribute("textid", textid);
    node.addAttribute("text", text);
    node.addAttribute("sets", sets);
    node.addAttribute("trus", trus);
    node.addAttribute("teng", teng);
    node.addAttribute("author", author);
    return {};
}

}  // namespace tabrin::bases
