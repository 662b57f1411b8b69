// The names that tell the dictionaries of the CAN modules of one controller apart.
#include "generators/canmodule.h"

#include "model/profilesettings.h"

namespace tabrin::generators {
namespace {

constexpr CanModuleNames kModules[] = {
    {0, "co", "", "CO", "vost"},
    {1, "co1", "CO1_", "CO1", "vost1"},
    {2, "co2", "CO2_", "CO2", "vost2"},
};

constexpr std::string_view kSharedPrefix = "co_";
constexpr std::string_view kPlaceholderPrefix = "coX_";

}  // namespace

const CanModuleNames& canModuleNames(int prefix) { return kModules[prefix == 1 || prefix == 2 ? prefix : 0]; }

const CanModuleNames& canModuleNames(const model::ProfileSettings& settings) { return canModuleNames(settings.prefix); }

std::string moduleVariable(std::string_view addr, const CanModuleNames& names) {
    if (names.module == 0) return std::string(addr);
    if (addr.starts_with(kSharedPrefix)) return std::string(names.lower) + "_vars." + std::string(addr);
    if (addr.starts_with(kPlaceholderPrefix)) return std::string(names.lower) + std::string(addr.substr(3));
    return std::string(addr);
}

std::string moduleCallback(std::string_view callback, const CanModuleNames& names) {
    if (names.module == 0 || !callback.starts_with(kSharedPrefix)) return std::string(callback);
    return std::string(names.lower) + std::string(callback.substr(2));
}

}  // namespace tabrin::generators
