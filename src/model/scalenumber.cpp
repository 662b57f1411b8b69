// One scale coefficient of a profile's scale table, every field as the file holds it.
#include "model/scalenumber.h"

namespace tabrin::model {
namespace {

TOperationResult noNode() { return {1, u"Нулевой указатель на XML-узел"}; }

}  // namespace

TOperationResult ScaleNumber::readFromXml(const XMLNode& node) {
    if (node.isEmpty()) return outcome = noNode();
    units = node.attributeText("units");
    prefix = node.attributeText("prefix");
    scaleQ = node.attributeText("scaleQ");
    num_of_float = node.attributeText("num_of_float");
    possible_value = node.attributeText("possible_value");
    name = node.attributeText("name");
    return outcome = {};
}

TOperationResult ScaleNumber::writeToXml(XMLNode parent, std::string_view elementName) {
    if (parent.isEmpty()) return outcome = noNode();
    XMLNode node = parent.addChild(elementName);
    node.addAttribute("units", units);
    node.addAttribute("prefix", prefix);
    node.addAttribute("scaleQ", scaleQ);
    node.addAttribute("num_of_float", num_of_float);
    node.addAttribute("possible_value", possible_value);
    node.addAttribute("name", name);
    return outcome = {};
}

}  // namespace tabrin::model
