// The commands that add, rename and remove whole configurations of a profile; each keeps which
// configuration is current before and after, so that undo gives the profile back exactly.
#pragma once

#include <optional>
#include <string>

#include "editing/command.h"
#include "model/profile.h"

namespace tabrin::editing {

/// A configuration put in at `position` (or, undone, taken out again), made current.
class AddConfigurationCommand : public Command {
public:
    AddConfigurationCommand(CommandTexts texts, int position, model::SubProfile configuration, int currentBefore);

    void redo(model::Profile& profile) override;
    void undo(model::Profile& profile) override;

private:
    int m_position;
    std::optional<model::SubProfile> m_configuration;  // while not in the profile
    int m_currentBefore;
};

/// The configuration at `position` taken out with its objects (or, undone, put back); `currentAfter`
/// becomes current.
class RemoveConfigurationCommand : public Command {
public:
    RemoveConfigurationCommand(CommandTexts texts, int position, int currentBefore, int currentAfter);

    void redo(model::Profile& profile) override;
    void undo(model::Profile& profile) override;

private:
    int m_position;
    std::optional<model::SubProfile> m_removed;  // while not in the profile
    int m_currentBefore;
    int m_currentAfter;
};

class RenameConfigurationCommand : public Command {
public:
    RenameConfigurationCommand(CommandTexts texts, int position, std::string before, std::string after);

    void redo(model::Profile& profile) override { name(profile) = m_after; }
    void undo(model::Profile& profile) override { name(profile) = m_before; }

private:
    std::string& name(model::Profile& profile) const;

    int m_position;
    std::string m_before;
    std::string m_after;
};

/// Puts `configuration` in at `position`: it and the configurations after it have their objects
/// numbered by their new positions.
void insertConfiguration(model::Profile& profile, int position, model::SubProfile configuration);
/// Takes the configuration at `position` out; the configurations after it move up, objects renumbered.
model::SubProfile takeConfiguration(model::Profile& profile, int position);

}  // namespace tabrin::editing
