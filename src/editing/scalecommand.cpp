// The command that changes the scale table. The objects that describe a coefficient (index
// 2100h + its position) take their defaults from it at once, as saving would give them; undo puts
// both back.
#include "editing/scalecommand.h"

#include "model/numbertext.h"

namespace tabrin::editing {

ScaleTableCommand::ScaleTableCommand(CommandTexts texts, std::vector<model::ScaleNumber> after)
    : Command(std::move(texts), ChangeKind::ScaleTable | ChangeKind::Objects), m_after(std::move(after)) {}

void ScaleTableCommand::redo(model::Profile& profile) {
    m_before = profile.scaleNumbers;
    profile.scaleNumbers = m_after;
    m_defaultsBefore.clear();
    for (model::SubProfile& configuration : profile.configurations) {
        for (model::DictObject& object : configuration.objects) {
            const std::uint32_t index = model::hexTextToNumber(object.index);
            if (index < model::kScaleObjectsIndex || index - model::kScaleObjectsIndex >= profile.scaleNumbers.size())
                continue;
            m_defaultsBefore.emplace_back(object.serial, object.defaultValue);
            model::takeScaleCoefficient(object, profile.scaleNumbers);
        }
    }
}

void ScaleTableCommand::undo(model::Profile& profile) {
    profile.scaleNumbers = m_before;
    for (model::SubProfile& configuration : profile.configurations) {
        for (model::DictObject& object : configuration.objects) {
            for (const auto& [serial, value] : m_defaultsBefore) {
                if (object.serial == serial) object.defaultValue = value;
            }
        }
    }
}

}  // namespace tabrin::editing
