// Small profile files for tests: object elements and the file around the configurations.
#pragma once

#include <string>

namespace tabrin::test {

/// An `obj_` element at `address` ("2000h.01h"): a root when `type` is "Root", else a 16-bit number.
inline std::string objectElement(const std::string& address, const std::string& type = "StandartNum",
                                 const std::string& group = "0", const std::string& defaultValue = "1") {
    const std::string format =
        type == "Root" ? "<format Type=\"Root\"/>" : "<format Type=\"" + type + "\" Size=\"16\" Signed=\"false\"/>";
    return "<obj_" + address + " DataType=\"Editable\" name=\"\" addr=\"v\" group=\"" + group + "\">" + format +
           "<text text=\"\" textID=\"\"/><defaults default=\"" + defaultValue +
           "\" min=\"\" max=\"\"/><description description=\"\"/></obj_" + address + ">";
}

/// A profile file with `settings` as the attributes of `dictionary_settings`, the base profile's
/// object elements and the elements of the further configurations.
inline std::string profileFile(const std::string& baseObjects, const std::string& subProfiles = "",
                               const std::string& settings = "group_set=\"20\" proc_series=\"28\"") {
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n<dictionary_settings " + settings +
           "/>\n<Indexes name=\"base\">" + baseObjects + "</Indexes>\n<SubProfiles>" + subProfiles +
           "</SubProfiles>\n</root>\n";
}

}  // namespace tabrin::test
