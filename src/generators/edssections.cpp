// The parts of an EDS file (CANopen Electronic Data Sheet) made from dictionary objects: the object
// lists, the data type codes and the sections of each object.
#include "generators/edssections.h"

#include <algorithm>
#include <cstdio>

#include "generators/formatword.h"
#include "generators/valuetext.h"
#include "model/dictobject.h"
#include "model/numbertext.h"

namespace tabrin::generators {
namespace {

std::string hexDigits(std::uint32_t number, const char* format) {
    char text[16];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

void addOnce(std::vector<std::uint32_t>& list, std::uint32_t index) {
    if (list.empty() || list.back() < index) list.push_back(index);
}

}  // namespace

EdsObjectLists edsObjectLists(const std::vector<model::DictObject*>& view) {
    EdsObjectLists lists;
    for (const model::DictObject* object : view) {
        const std::uint32_t index = model::hexTextToNumber(object->index);
        if (std::ranges::find(kMandatoryIndexes, index) != std::end(kMandatoryIndexes)) continue;
        if ((index >= 0x1000 && index <= 0x1FFF) || (index >= 0x6000 && index <= 0x9FFF)) {
            addOnce(lists.optional, index);
        } else if (index >= 0x2000 && index <= 0x5FFF) {
            addOnce(lists.manufacturer, index);
        }
    }
    return lists;
}

int edsDataType(const model::DictObject& object) {
    if (object.formatType() == model::FormatType::Root || object.formatType() == model::FormatType::Bit) return 5;
    if (object.formatType() == model::FormatType::Float) return 8;
    const int size = object.Size == "8" ? 0 : object.Size == "16" ? 1 : 2;
    return (object.Signed == "true" ? 2 : 5) + size;
}

std::vector<std::string> edsObjectSections(const model::DictObject& object) {
    const std::string index = hexDigits(model::hexTextToNumber(object.index), "%04X");
    const std::uint32_t subindex = model::hexTextToNumber(object.subindex);
    std::vector<std::string> entries;
    if (object.isRoot()) {
        const int members = formatWordOf(object.format) & 0xFF;
        entries.push_back("\n[" + index + "]\nSubNumber=" + std::to_string(members + 1));
        entries.push_back("ParameterName=" + object.name);
        entries.push_back("ObjectType=0x9");
    }
    if (object.isRoot() || subindex != 0) entries.push_back("\n[" + index + "sub" + hexDigits(subindex, "%X") + "]");
    else entries.push_back("\n[" + index + "]");
    entries.push_back("ParameterName=" + object.name);
    entries.push_back("ObjectType=0x7");
    entries.push_back("DataType=0x" + std::to_string(edsDataType(object)));
    entries.push_back(object.access() == model::Access::Viewable ? "AccessType=ro" : "AccessType=rw");
    if (integerValue(object.min)) entries.push_back("LowLimit=" + object.min);
    if (integerValue(object.max)) entries.push_back("HighLimit=" + object.max);
    if (integerValue(object.defaultValue)) entries.push_back("DefaultValue=" + object.defaultValue);
    entries.push_back("PDOMapping=0\nObjFlags=0");
    return entries;
}

}  // namespace tabrin::generators
