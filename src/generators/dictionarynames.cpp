// The names of the constants and tables a controller file defines for one CAN module.
#include "generators/dictionarynames.h"

#include "generators/canmodule.h"

namespace tabrin::generators {

std::string spiRangeName(const CanModuleNames& module, int range, std::string_view part) {
    return std::string(module.lower) + "_SPIrange" + std::to_string(range) + std::string(part);
}

std::string firstIndexName(const CanModuleNames& module, int range) {
    return std::string(module.lower) + "_first" + std::to_string(range) + "000";
}

}  // namespace tabrin::generators
