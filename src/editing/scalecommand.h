// The command that changes one coefficient of the scale table. The objects that describe the
// coefficient (index 2100h + position) take their defaults from it at once, as saving would give
// them; undo puts both back.
#pragma once

#include <utility>
#include <vector>

#include "editing/command.h"
#include "model/profile.h"

namespace tabrin::editing {

class ScaleCoefficientCommand : public Command {
public:
    ScaleCoefficientCommand(CommandTexts texts, int position, model::ScaleNumber after);

    void redo(model::Profile& profile) override;
    void undo(model::Profile& profile) override;

private:
    int m_position;
    model::ScaleNumber m_before;
    model::ScaleNumber m_after;
    std::vector<std::pair<model::ObjectSerial, std::string>> m_defaultsBefore;
};

}  // namespace tabrin::editing
