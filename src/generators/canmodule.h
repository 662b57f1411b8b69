// The names that tell the dictionaries of the CAN modules of one controller apart.
#pragma once

#include <string>
#include <string_view>

namespace tabrin::model {
struct ProfileSettings;
}

namespace tabrin::generators {

/// The names one CAN module gives the controller file: module 0 is a controller with a single
/// module, 1 and 2 the two CANopen modules of a dual-module controller.
struct CanModuleNames {
    int module;
    std::string_view lower;     // "co", "co1", "co2": variables and constants
    std::string_view table;     // "", "CO1_", "CO2_": the dictionary tables
    std::string_view link;      // "CO", "CO1", "CO2": the link array and its entries
    std::string_view fileBase;  // "vost", "vost1", "vost2"
};

/// The names of the profile's CAN module; a module number other than 1 or 2 counts as 0.
const CanModuleNames& canModuleNames(int prefix);
const CanModuleNames& canModuleNames(const model::ProfileSettings& settings);

/// The variable expression `addr` as the module's dictionary names it: under modules 1 and 2 a
/// variable "co_…" lives in the module's structure ("co1_vars.co_…") and "coX_…" becomes "co1_…".
std::string moduleVariable(std::string_view addr, const CanModuleNames& names);

/// The callback routine as the module's dictionary names it: "co_…" becomes "co1_…" or "co2_…".
std::string moduleCallback(std::string_view callback, const CanModuleNames& names);

}  // namespace tabrin::generators
