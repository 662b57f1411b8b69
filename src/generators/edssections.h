// The parts of an EDS file (CANopen Electronic Data Sheet) made from dictionary objects: the object
// lists, the data type codes and the sections of each object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tabrin::model {
struct DictObject;
}

namespace tabrin::generators {

/// The indexes every EDS file lists as mandatory, whatever the profile holds.
inline constexpr std::uint32_t kMandatoryIndexes[] = {0x1000, 0x1001, 0x1018};

/// The indexes of the view in the optional list (1000h–1FFFh and 6000h–9FFFh, the mandatory ones
/// left out) and in the manufacturer list (2000h–5FFFh), each listed once, in view order.
struct EdsObjectLists {
    std::vector<std::uint32_t> optional;
    std::vector<std::uint32_t> manufacturer;
};
EdsObjectLists edsObjectLists(const std::vector<model::DictObject*>& view);

/// The CANopen data type of an object: 5 (UNSIGNED8) for roots and bit fields, 8 (REAL32) for
/// floats, else by sign and size 2, 3, 4 (INTEGER8/16/32) or 5, 6, 7 (UNSIGNED8/16/32).
int edsDataType(const model::DictObject& object);

/// The entries of an object's sections: a root's own section, then the object's entry section with
/// its name, data type, access, the limits and default that read as integers, and its flags.
std::vector<std::string> edsObjectSections(const model::DictObject& object);

}  // namespace tabrin::generators
