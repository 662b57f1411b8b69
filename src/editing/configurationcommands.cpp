// The commands that add, rename and remove whole configurations of a profile; each keeps which
// configuration is current before and after, so that undo gives the profile back exactly.
#include "editing/configurationcommands.h"

namespace tabrin::editing {
namespace {

// Objects name the configuration holding them by its position.
void numberObjects(model::Profile& profile, int from) {
    for (std::size_t position = static_cast<std::size_t>(from); position < profile.configurations.size(); ++position) {
        for (model::DictObject& object : profile.configurations[position].objects)
            object.configuration = static_cast<int>(position);
    }
}

}  // namespace

void insertConfiguration(model::Profile& profile, int position, model::SubProfile configuration) {
    profile.configurations.insert(profile.configurations.begin() + position, std::move(configuration));
    numberObjects(profile, position);
}

model::SubProfile takeConfiguration(model::Profile& profile, int position) {
    model::SubProfile taken = std::move(profile.configurations[static_cast<std::size_t>(position)]);
    profile.configurations.erase(profile.configurations.begin() + position);
    numberObjects(profile, position);
    return taken;
}

AddConfigurationCommand::AddConfigurationCommand(CommandTexts texts, int position, model::SubProfile configuration,
                                                 int currentBefore)
    : Command(std::move(texts), ChangeKind::Configurations),
      m_position(position),
      m_configuration(std::move(configuration)),
      m_currentBefore(currentBefore) {}

void AddConfigurationCommand::redo(model::Profile& profile) {
    insertConfiguration(profile, m_position, std::move(*m_configuration));
    m_configuration.reset();
    profile.CurrSubProfile = m_position;
}

void AddConfigurationCommand::undo(model::Profile& profile) {
    m_configuration = takeConfiguration(profile, m_position);
    profile.CurrSubProfile = m_currentBefore;
}

RemoveConfigurationCommand::RemoveConfigurationCommand(CommandTexts texts, int position, int currentBefore,
                                                       int currentAfter)
    : Command(std::move(texts), ChangeKind::Configurations | ChangeKind::Objects),
      m_position(position),
      m_currentBefore(currentBefore),
      m_currentAfter(currentAfter) {}

void RemoveConfigurationCommand::redo(model::Profile& profile) {
    m_removed = takeConfiguration(profile, m_position);
    profile.CurrSubProfile = m_currentAfter;
}

void RemoveConfigurationCommand::undo(model::Profile& profile) {
    insertConfiguration(profile, m_position, std::move(*m_removed));
    m_removed.reset();
    profile.CurrSubProfile = m_currentBefore;
}

RenameConfigurationCommand::RenameConfigurationCommand(CommandTexts texts, int position, std::string before,
                                                       std::string after)
    : Command(std::move(texts), ChangeKind::Configurations),
      m_position(position),
      m_before(std::move(before)),
      m_after(std::move(after)) {}

std::string& RenameConfigurationCommand::name(model::Profile& profile) const {
    return profile.configurations[static_cast<std::size_t>(m_position)].name;
}

}  // namespace tabrin::editing
