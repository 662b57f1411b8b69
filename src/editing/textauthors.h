// The names the author change offers: the authors of the text base.
#pragma once

#include <string>
#include <vector>

#include "bases/textbase.h"

namespace tabrin::editing {

/// The authors of the texts, each once, in base order.
std::vector<std::string> textAuthors(const bases::TextBase& texts);

}  // namespace tabrin::editing
