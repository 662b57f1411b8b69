// The C header of the panel texts: the declarations the panel firmware compiles against.
#pragma once

#include <string>
#include <vector>

#include "panel/layoutcontext.h"
#include "panel/paneltype.h"

namespace tabrin::bases {
class SetBase;
}

namespace tabrin::panel {

/// The header lines for panel type 2, 3 or 4. Every enumeration of `sets` is declared, whether a
/// profile uses it or not, so that one header serves the files of every profile.
std::vector<std::string> cHeaderLines(PanelType type, const bases::SetBase& sets, const LayoutContext& context);

}  // namespace tabrin::panel
