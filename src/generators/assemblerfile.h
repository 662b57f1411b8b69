// The assembler form of the controller file for the TMS320x24xx processors (vost.asm).
#pragma once

#include <string>
#include <vector>

#include "model/services.h"

namespace tabrin::model {
class Profile;
}

namespace tabrin::generators {

/// The lines of the assembler file of the profile's current view: header, index count, the
/// search table with the first label of every index range, the records of every index (each
/// format word described in words), the memory layout of ranges 1 to 5, and the callback and group
/// tables. Values are written as stored: the assembler evaluates them.
std::vector<std::string> assemblerFileLines(const model::Profile& profile, const model::Services& context);

}  // namespace tabrin::generators
