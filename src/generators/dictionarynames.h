// The names of the constants and tables a controller file defines for one CAN module.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tabrin::generators {

struct CanModuleNames;

/// The tables of a C file, named with the module's table prefix ("OD_TBL1", "CO1_OD_TBL1") and
/// linked with its link prefix ("CO_OD_TBL1").
inline constexpr std::array<std::string_view, 5> kDictionaryTables = {"OD_TBL1", "OD_TBL2", "OD_TBL3",
                                                                     "TYPE_DEF_TABLE", "OD_CALLBACK_TBL"};

/// "co_SPIrange1rw": where a part of an index range starts in non-volatile memory.
std::string spiRangeName(const CanModuleNames& module, int range, std::string_view part);

/// "co_first1000": the index-table entry where the search of an index range starts.
std::string firstIndexName(const CanModuleNames& module, int range);

}  // namespace tabrin::generators
