// The command that removes objects from a profile and adds others; a changed object is removed
// and added again under its serial.
#pragma once

#include <vector>

#include "editing/command.h"
#include "editing/objectplaces.h"

namespace tabrin::editing {

class ObjectsCommand : public Command {
public:
    /// `added` go to the configurations their `configuration` names; each carries its serial.
    ObjectsCommand(CommandTexts texts, std::vector<model::ObjectSerial> removed, std::vector<model::DictObject> added);

    void redo(model::Profile& profile) override;
    void undo(model::Profile& profile) override;
    std::vector<model::ObjectSerial> touchedObjects(bool undone) const override;

private:
    std::vector<model::ObjectSerial> m_removed;
    std::vector<model::DictObject> m_added;
    std::vector<PlacedObject> m_taken;  // what `redo` removed, until `undo` puts it back
};

}  // namespace tabrin::editing
