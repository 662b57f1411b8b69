// Several commands done as one: undone in the reverse order, named by the sequence's own texts.
#pragma once

#include <memory>
#include <vector>

#include "editing/command.h"

namespace tabrin::editing {

class CommandSequence : public Command {
public:
    CommandSequence(CommandTexts texts, std::vector<std::unique_ptr<Command>> steps);

    void redo(model::Profile& profile) override;
    void undo(model::Profile& profile) override;
    std::vector<model::ObjectSerial> touchedObjects(bool undone) const override;

private:
    std::vector<std::unique_ptr<Command>> m_steps;
};

}  // namespace tabrin::editing
