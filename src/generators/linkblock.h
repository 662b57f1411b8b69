// The link array of the C file: the addresses of the dictionary's tables and constants, which the
// CANopen driver of a dual-core processor reads.
#pragma once

#include <string>
#include <vector>

namespace tabrin::generators {

struct CanModuleNames;

/// The array for six index ranges under VOST_LINKS__6000 and for five under VOST_LINKS__5000,
/// each followed by a compile-time check of its length.
std::vector<std::string> linkBlockLines(const CanModuleNames& module);

}  // namespace tabrin::generators
