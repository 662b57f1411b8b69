// The command that changes the scale table. The objects that describe a coefficient (index
// 2100h + its position) take their defaults from it at once, as saving would give them; undo puts
// both back.
#pragma once

#include <utility>
#include <vector>

#include "editing/command.h"
#include "model/profile.h"

namespace tabrin::editing {

class ScaleTableCommand : public Command {
public:
    ScaleTableCommand(CommandTexts texts, std::vector<model::ScaleNumber> after);

    void redo(model::Profile& profile) override;
    void undo(model::Profile& profile) override;

private:
    std::vector<model::ScaleNumber> m_before;
    std::vector<model::ScaleNumber> m_after;
    std::vector<std::pair<model::ObjectSerial, std::string>> m_defaultsBefore;
};

}  // namespace tabrin::editing
