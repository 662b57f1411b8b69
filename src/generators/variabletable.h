// The variable table of the C file (OD_TBL3): the address of every non-root object's variable,
// with its address, names and group as a comment.
#pragma once

#include <string>
#include <vector>

#include "model/services.h"

namespace tabrin::model {
struct DictObject;
class Profile;
}  // namespace tabrin::model

namespace tabrin::generators {

struct CanModuleNames;

/// One line per object of the view whose format word is not a root's, in view order. Variables are
/// renamed for the CAN module; a bit field's comment ends with its bits and their mask.
std::vector<std::string> variableTableLines(const model::Profile& profile, const CanModuleNames& module,
                                            const model::Services& context);

}  // namespace tabrin::generators
