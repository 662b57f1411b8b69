// The command that changes one coefficient of the scale table. The objects that describe the
// coefficient (index 2100h + position) take their defaults from it at once, as saving would give
// them; undo puts both back.
#include "editing/scalecommand.h"

#include "model/numbertext.h"

namespace tabrin::editing {

ScaleCoefficientCommand::ScaleCoefficientCommand(CommandTexts texts, int position, model::ScaleNumber after)
    : Command(std::move(texts), ChangeKind::ScaleTable | ChangeKind::Objects),
      m_position(position),
      m_after(std::move(after)) {}

void ScaleCoefficientCommand::redo(model::Profile& profile) {
    model::ScaleNumber& coefficient = profile.scaleNumbers[static_cast<std::size_t>(m_position)];
    m_before = coefficient;
    coefficient = m_after;
    const std::uint32_t index = model::kScaleObjectsIndex + static_cast<std::uint32_t>(m_position);
    m_defaultsBefore.clear();
    for (model::SubProfile& configuration : profile.configurations) {
        for (model::DictObject& object : configuration.objects) {
            if (model::hexTextToNumber(object.index) != index) continue;
            m_defaultsBefore.emplace_back(object.serial, object.defaultValue);
            model::takeScaleCoefficient(object, profile.scaleNumbers);
        }
    }
}

void ScaleCoefficientCommand::undo(model::Profile& profile) {
    profile.scaleNumbers[static_cast<std::size_t>(m_position)] = m_before;
    for (model::SubProfile& configuration : profile.configurations) {
        for (model::DictObject& object : configuration.objects) {
            for (const auto& [serial, value] : m_defaultsBefore) {
                if (object.serial == serial) object.defaultValue = value;
            }
        }
    }
}

}  // namespace tabrin::editing
