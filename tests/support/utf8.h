// Tests write Russian literals in UTF-8 and turn them into the Windows-1251 bytes the core holds.
#pragma once

#include <string>

#include "app/cp1251.h"

namespace tabrin::test {

inline std::string w(std::string_view utf8) { return cp1251::fromUtf8(utf8); }

}  // namespace tabrin::test
