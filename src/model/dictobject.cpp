// One object of a CANopen dictionary: its format word, order and `obj_` element.
#include "model/dictobject.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "model/numbertext.h"
#include "xml/xmllookup.h"

namespace tabrin::model {
namespace {

// The longest element name an object may have: "obj_" + 5 + "." + 3 characters.
constexpr std::size_t kMaxElementName = 13;
// Reading takes the index from the five characters after "obj_".
constexpr std::size_t kIndexLength = 5;

TOperationResult noNode() { return {1, u"Null pointer to XML node"}; }

// What an `obj_` element is read from, each list in the order writing puts them: reading looks
// for each name once, in one pass over the element.
constexpr std::string_view kElementAttributes[] = {"DataType",  "name",      "addr",    "group",
                                                   "groupName", "fullgroup", "callback"};
constexpr std::string_view kElementChildren[] = {"format", "text", "defaults", "description"};
constexpr std::string_view kFormatAttributes[] = {"Type",      "Size",          "Signed", "QValue",
                                                  "ScaleNum",  "Visualization", "Length", "StartBit",
                                                  "FloatType", "Prefix",        "Units",  "NumOfFloat"};
constexpr std::string_view kTextAttributes[] = {"text", "textID"};
constexpr std::string_view kDefaultsAttributes[] = {"default", "min", "max"};
constexpr std::string_view kDescriptionAttributes[] = {"description"};

// The fields hold whatever 32-bit number the file gave, however absurd (a ScaleNum of 2147483647);
// the word is summed modulo 2^32, as 32-bit arithmetic always summed it, and never overflows.
std::uint32_t field(int value) { return static_cast<std::uint32_t>(value); }

std::uint32_t accessWord(Access access) {
    switch (access) {
    case Access::Secret: return 0xC000;
    case Access::Protected: return 0x8000;
    case Access::Editable: return 0x4000;
    case Access::Viewable:
    case Access::Unknown: break;
    }
    return 0;
}

std::uint32_t visualizationNumber(const std::string& visualization) {
    if (visualization == "Bin") return 1;
    if (visualization == "Dec") return 2;
    if (visualization == "Hex") return 3;
    return 0;
}

std::uint32_t typeWord(const DictObject& o) {
    if (o.formatType() == FormatType::Bit) {
        return 0x2000 + visualizationNumber(o.Visualization) * 0x100 + field(o.Length) * 16 + field(o.StartBit);
    }
    if (o.formatType() == FormatType::StandartNum) {
        const std::uint32_t size = o.Size == "32" ? 0x0400 : o.Size == "16" ? 0x0200 : 0;
        return 0x0800 + (o.Signed == "true" ? 0x0100 : 0) + size;
    }
    if (o.formatType() == FormatType::IQ) {
        return 0x1000 + (o.Size == "32" ? 0x0400 : 0) + (o.Signed == "false" ? 0x0800 : 0) + field(o.ScaleNum) * 32 +
               field(o.QValue);
    }
    if (o.formatType() == FormatType::Float) {
        if (o.floatKind() == FloatKind::Relative) return 0x3000 + 0x0800 + field(o.ScaleNum);
        if (o.floatKind() == FloatKind::Absolute) {
            return 0x3000 + field(o.NumOfFloat) * 512 + field(o.Prefix) * 64 + field(o.Units);
        }
        return 0x3000;
    }
    return 0;
}

std::string groupNameOf(const DictObject& object, const ObjectWriteContext& context) {
    const bases::SetBaseElement* groups =
        context.groupSet >= 0 ? context.sets.findSet(std::to_string(context.groupSet)) : nullptr;
    const int group = app::toInteger(object.group).value_or(-1);
    if (groups && group >= 0 && group < static_cast<int>(groups->items.size())) {
        return cp1251::trim(groups->itemText(group, false, context.language));
    }
    return context.translator.tr("неизвестна");
}

void addIntegerAttribute(XMLNode& node, std::string_view name, int value) {
    node.addAttribute(name, std::to_string(value));
}

}  // namespace

int formatWord(const DictObject& object) {
    return static_cast<int>(accessWord(object.access()) + typeWord(object));  // the 32-bit pattern, as a signed number
}

void takeScaleCoefficient(DictObject& object, std::span<const ScaleNumber> scaleNumbers) {
    const std::uint32_t index = hexTextToNumber(object.index);
    if (index < kScaleObjectsIndex || index - kScaleObjectsIndex >= scaleNumbers.size()) return;
    const ScaleNumber& scale = scaleNumbers[index - kScaleObjectsIndex];
    const auto part = [](const std::string& text) { return app::toInteger(text).value_or(0); };
    if (object.subindex == "02h") {
        const int packed = (part(scale.units) & 0x3F) * 1024 + (part(scale.prefix) & 7) * 128 +
                           (part(scale.num_of_float) & 3) * 32 + (part(scale.scaleQ) & 0x1F);
        object.defaultValue = std::to_string(packed);
    } else if (object.subindex == "03h") {
        object.defaultValue = scale.scaleQ;
    } else if (object.subindex == "04h") {
        object.defaultValue = scale.num_of_float;
    } else if (object.subindex == "05h") {
        object.defaultValue = scale.prefix;
    } else if (object.subindex == "06h") {
        object.defaultValue = scale.units;
    }
}

bool lessThan(const DictObject& a, const DictObject& b) {
    if (a.index != b.index) return a.index < b.index;
    return a.subindex < b.subindex;
}

TOperationResult DictObject::readFromXml(const XMLNode& node, int position) {
    *this = fromXml(node, position);
    return outcome;
}

DictObject DictObject::fromXml(const XMLNode& node, int position) {
    DictObject object;
    if (node.isEmpty()) {
        object.outcome = noNode();
        return object;
    }
    const auto [dataType, nameText, addrText, groupText, groupNameText, fullgroupText, callbackText] =
        xml::attributeTexts<kElementAttributes>(node);
    const auto [formatNode, textNode, defaultsNode, descriptionNode] = xml::firstChildren<kElementChildren>(node);
    const auto [type, size, signedText, qValue, scaleNum, visualization, length, startBit, floatType, prefix, units,
                numOfFloat] = xml::attributeTexts<kFormatAttributes>(formatNode);
    const auto [shortText, textIdText] = xml::attributeTexts<kTextAttributes>(textNode);
    const auto [defaultText, minText, maxText] = xml::attributeTexts<kDefaultsAttributes>(defaultsNode);
    const auto [descriptionText] = xml::attributeTexts<kDescriptionAttributes>(descriptionNode);

    object.number = position;
    const std::string_view elementName = node.name();
    object.index = elementName.substr(std::min<std::size_t>(4, elementName.size()), 5);
    object.subindex = elementName.substr(std::min<std::size_t>(10, elementName.size()), 3);
    object.DataType = dataType;
    object.name = nameText;
    object.addr = addrText;
    object.group = groupText;
    object.groupName = groupNameText;
    object.fullgroup = fullgroupText;
    object.callback = callbackText;

    // The format attributes an object keeps are those of its format type (and kind of float).
    object.Type = type;
    if (object.formatType() == FormatType::Bit) {
        object.Visualization = visualization;
        object.Length = integerAttribute(length);
        object.StartBit = integerAttribute(startBit);
    } else if (object.formatType() == FormatType::Float) {
        object.FloatType = floatType;
        if (object.floatKind() == FloatKind::Relative) {
            object.ScaleNum = integerAttribute(scaleNum);
        } else if (object.floatKind() == FloatKind::Absolute) {
            object.Prefix = integerAttribute(prefix);
            object.Units = integerAttribute(units);
            object.NumOfFloat = integerAttribute(numOfFloat);
        }
    } else if (object.formatType() == FormatType::IQ || object.formatType() == FormatType::StandartNum) {
        object.Size = size;
        object.Signed = signedText;
        if (object.formatType() == FormatType::IQ) {
            object.QValue = integerAttribute(qValue);
            object.ScaleNum = integerAttribute(scaleNum);
        }
    }
    object.format = std::to_string(formatWord(object));
    object.text = shortText;
    object.textID = textIdText;
    object.defaultValue = defaultText;
    object.min = minText;
    object.max = maxText;
    object.description = descriptionText;
    return object;
}

TOperationResult DictObject::writeToXml(XMLNode parent, const ObjectWriteContext& context) {
    const std::string elementName = "obj_" + address();
    if (elementName.size() > kMaxElementName) {
        return outcome = TOperationResult::fromText(2, "String 'index.subindex' is too long: " + address());
    }
    // Another length would be read back as another address, and each save would move the object.
    if (index.size() != kIndexLength) {
        return outcome = TOperationResult::fromText(2, "Index of 'index.subindex' is not 5 characters long: " + address());
    }
    if (parent.isEmpty()) return outcome = noNode();
    outcome = {};
    XMLNode node = parent.addChild(elementName);

    takeScaleCoefficient(*this, context.scaleNumbers);
    if (defaultValue.empty()) defaultValue = "0";
    if (min.empty() && !max.empty()) min = "0";
    if (max.empty() && !min.empty()) max = "0";

    node.addAttribute("DataType", DataType);
    node.addAttribute("name", name);
    node.addAttribute("addr", addr);
    node.addAttribute("group", group);
    node.addAttribute("groupName", groupNameOf(*this, context));
    node.addAttribute("fullgroup", fullgroup);
    node.addAttribute("callback", callback);

    XMLNode formatNode = node.addChild("format");
    formatNode.addAttribute("Type", Type);
    if (formatType() == FormatType::StandartNum || formatType() == FormatType::IQ) {
        formatNode.addAttribute("Size", Size);
        formatNode.addAttribute("Signed", Signed);
    }
    if (formatType() == FormatType::IQ) {
        addIntegerAttribute(formatNode, "QValue", QValue);
        addIntegerAttribute(formatNode, "ScaleNum", ScaleNum);
    } else if (formatType() == FormatType::Bit) {
        formatNode.addAttribute("Visualization", Visualization);
        addIntegerAttribute(formatNode, "Length", Length);
        addIntegerAttribute(formatNode, "StartBit", StartBit);
    } else if (formatType() == FormatType::Float) {
        formatNode.addAttribute("FloatType", FloatType);
        if (floatKind() == FloatKind::Absolute) {
            addIntegerAttribute(formatNode, "Prefix", Prefix);
            addIntegerAttribute(formatNode, "Units", Units);
            addIntegerAttribute(formatNode, "NumOfFloat", NumOfFloat);
        } else if (floatKind() == FloatKind::Relative) {
            addIntegerAttribute(formatNode, "ScaleNum", ScaleNum);
        }
    }
    XMLNode textNode = node.addChild("text");
    textNode.addAttribute("text", text);
    textNode.addAttribute("textID", textID);
    XMLNode defaults = node.addChild("defaults");
    defaults.addAttribute("default", defaultValue);
    defaults.addAttribute("min", min);
    defaults.addAttribute("max", max);
    node.addChild("description").addAttribute("description", description);
    return outcome;
}

}  // namespace tabrin::model
