// Panel text files in C: the layouts of types 2 (28x), 3 (2808, packed) and 4 (HIWIN panel).
#pragma once

#include <string>
#include <vector>

#include "panel/layoutcontext.h"
#include "panel/paneltype.h"
#include "panel/workingsets.h"

namespace tabrin::panel {

/// The lines of the C file of panel type 2, 3 or 4: one string array per enumeration, the lookup
/// function FindEnum, and the array of every text indexed by its number. Type 3 stores the texts
/// as packed words of their Windows-1251 bytes.
std::vector<std::string> cFileLines(PanelType type, const PanelWorkingSets& working, const LayoutContext& context);

}  // namespace tabrin::panel
