// One enumeration of the enumeration base and its items, each with four texts.
#include "bases/setbaseelement.h"

#include "bases/elementname.h"
#include "bases/elementresults.h"

namespace tabrin::bases {

std::string SetTextItem::packed() const {
    if (longEng.empty() && shortRus.empty() && shortEng.empty()) return longRus;
    return longRus + "@" + longEng + "@" + shortRus + "@" + shortEng;
}

SetTextItem SetTextItem::unpack(std::string_view packedText) {
    SetTextItem item;
    std::string* fields[] = {&item.longRus, &item.longEng, &item.shortRus, &item.shortEng};
    std::size_t start = 0;
    for (std::string* field : fields) {
        const std::size_t at = packedText.find('@', start);
        *field = std::string(packedText.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return item;
}

SetTextItem SetTextItem::make(std::string_view longRus, std::string_view longEng, std::string_view shortRus,
                              std::string_view shortEng) {
    return unpack(std::string(longRus) + "@" + std::string(longEng) + "@" + std::string(shortRus) + "@" +
                  std::string(shortEng));
}

const std::string& SetTextItem::ofKind(int kind) const {
    switch (kind) {
    case 1: return longEng;
    case 3: return shortRus;
    case 4: return shortEng;
    default: return longRus;
    }
}

std::string SetTextItem::chosenText(bool shortText, app::Language language) const {
    const bool english = language == app::Language::English;
    const std::string& ownLong = english ? longEng : longRus;
    const std::string& ownShort = english ? shortEng : shortRus;
    const std::string& otherLong = english ? longRus : longEng;
    const std::string& otherShort = english ? shortRus : shortEng;
    const std::string* order[] = {&ownLong, &ownShort, &otherLong, &otherShort};
    if (shortText) {
        order[0] = &ownShort;
        order[1] = &ownLong;
        order[2] = &otherShort;
        order[3] = &otherLong;
    }
    for (const std::string* text : order) {
        if (!text->empty()) return *text;
    }
    return {};
}

void SetBaseElement::rebuildJoinedText() {
    joinedText.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joinedText += '\n';
        joinedText += items[i].packed();
    }
}

xml::TOperationResult SetBaseElement::readFromXml(const xml::XMLNode& node) {
    if (node.isEmpty()) return noXmlNodeResult();
    id = node.attributeText("id");
    author = node.attributeText("author");
    items.clear();
    const xml::XMLNode itemsNode = node.child(0);  // the item list, whatever its name
    for (int i = 0; i < itemsNode.attributeCount(); ++i) {
        const xml::XMLAttribute* attribute = itemsNode.attribute(i);
        items.push_back(SetTextItem::unpack(attribute->value.value_or(std::string_view())));
    }
    rebuildJoinedText();
    return {};
}

xml::TOperationResult SetBaseElement::writeToXml(xml::XMLNode parent) const {
    if (parent.isEmpty()) return noXmlNodeResult();
    xml::XMLNode node = parent.addChild(elementName("set_", id));
    node.addAttribute("id", id);
    node.addAttribute("author", author);
    xml::XMLNode itemsNode = node.addChild("items");
    for (std::size_t i = 0; i < items.size(); ++i) {
        itemsNode.addAttribute("item_" + std::to_string(i), items[i].packed());
    }
    return {};
}

std::string SetBaseElement::displayName(app::Language language) const {
    std::string name = id + ": ";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) name += '/';
        name += items[i].chosenText(false, language);
    }
    return name;
}

std::string SetBaseElement::packedItem(int position) const {
    if (position < 0 || position >= static_cast<int>(items.size())) return {};
    return items[static_cast<std::size_t>(position)].packed();
}

std::string SetBaseElement::itemText(int position, bool shortText, app::Language language) const {
    if (position < 0 || position >= static_cast<int>(items.size())) return {};
    return items[static_cast<std::size_t>(position)].chosenText(shortText, language);
}

std::string SetBaseElement::itemTextsOfKind(int kind, bool fallBack, app::Language language) const {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joined += '\n';
        const std::string& text = items[i].ofKind(kind);
        joined += text.empty() && fallBack ? items[i].chosenText(false, language) : text;
    }
    return joined;
}

}  // namespace tabrin::bases
