// The lines of the C form of the controller file (vost.c), section by section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/services.h"

namespace tabrin::model {
class Profile;
}

namespace tabrin::generators {

struct CFile {
    std::vector<std::string> lines;
    std::string error;  // why the file could not be written; empty when it was
};

/// The C file of the profile's current view for the profile's CAN module: header, counts, the hash
/// of the dictionary, the variable, format and index tables, the memory layout, the first entries
/// of the index ranges, the group and callback tables and the link array. `fileName` is the name
/// of the folder copy for the header, or empty.
CFile writeCFile(const model::Profile& profile, const model::Services& context, std::string_view fileName);

}  // namespace tabrin::generators
