// Panel text files in assembler for the 240x panels: the layouts of types А and Ш.
#pragma once

#include <string>
#include <vector>

#include "panel/layoutcontext.h"
#include "panel/workingsets.h"

namespace tabrin::panel {

/// The lines of a type А file: an index of the enumerations, their records with item counts,
/// and every text up to its end code.
std::vector<std::string> typeAFileLines(const PanelWorkingSets& working, const LayoutContext& context);

/// The lines of a type Ш file: the enumeration records alone, and every text in three words.
std::vector<std::string> typeShFileLines(const PanelWorkingSets& working, const LayoutContext& context);

}  // namespace tabrin::panel
