// The callback table of the C file: the routine the controller calls when an index changes.
#include "generators/callbacktable.h"

#include "generators/canmodule.h"
#include "model/dictobject.h"

namespace tabrin::generators {

std::vector<std::string> callbackTableLines(const std::vector<model::DictObject*>& view, const CanModuleNames& module) {
    std::vector<std::string> lines;
    for (const model::DictObject* object : view) {
        if (object->subindex != "00h") continue;
        const std::string routine =
            object->callback.empty() ? "0" : "(long)((void(*)(long))" + moduleCallback(object->callback, module) + ")";
        lines.push_back(routine + ", // " + object->address());
    }
    return lines;
}

}  // namespace tabrin::generators
