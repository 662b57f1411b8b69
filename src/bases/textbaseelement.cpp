// One text of the text base: reading and writing its XML element.
#include "bases/textbaseelement.h"

#include "app/integertext.h"
#include "bases/elementresults.h"

namespace tabrin::bases {

model::TOperationResult TextBaseElement::readFromXml(const model::XMLNode& node) {
    if (node.isEmpty()) return noXmlNodeResult();
    id = node.attributeText("id");
    textid = node.attributeText("textid");
    text = node.attributeText("text");
    sets = node.attributeText("sets");
    trus = node.attributeText("trus");
    teng = node.attributeText("teng");
    author = node.attributeText("author");
    return {};
}

model::TOperationResult TextBaseElement::writeToXml(model::XMLNode parent) {
    if (parent.isEmpty()) return noXmlNodeResult();
    if (!app::toInteger(id)) return invalidObjectResult();
    if (hasNoTexts()) sets = "0";
    model::XMLNode node = parent.addChild("text_" + id);
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
