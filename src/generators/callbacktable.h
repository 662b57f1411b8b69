// The callback table of the C file: the routine the controller calls when an index changes.
#pragma once

#include <string>
#include <vector>

namespace tabrin::model {
struct DictObject;
}

namespace tabrin::generators {

struct CanModuleNames;

/// One line per object at subindex 00h: its callback routine, renamed for the CAN module, or 0
/// when it has none; each line ends with the object's address as a comment.
std::vector<std::string> callbackTableLines(const std::vector<model::DictObject*>& view, const CanModuleNames& module);

}  // namespace tabrin::generators
