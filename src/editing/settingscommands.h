// The commands of the settings page and the EDS page: generation settings and the EDS header.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "editing/command.h"
#include "model/profile.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::editing {

/// A part of the profile replaced whole: its value before and after the change. Typing gives one
/// command per key; the commands of one typing session (a field keeping the focus; 0 is none) merge.
template <typename Value, Value model::Profile::*Part, ChangeKind Kind>
class PartCommand : public Command {
public:
    PartCommand(CommandTexts texts, Value before, Value after, int typingSession = 0)
        : Command(std::move(texts), Kind),
          m_before(std::move(before)),
          m_after(std::move(after)),
          m_typingSession(typingSession) {}

    void redo(model::Profile& profile) override { profile.*Part = m_after; }
    void undo(model::Profile& profile) override { profile.*Part = m_before; }
    bool mergeWith(const Command& later) override {
        const auto* typed = dynamic_cast<const PartCommand*>(&later);
        if (m_typingSession == 0 || typed == nullptr || typed->m_typingSession != m_typingSession) return false;
        m_after = typed->m_after;
        return true;
    }

private:
    Value m_before;
    Value m_after;
    int m_typingSession;
};

/// One committed field of the settings page.
using SettingsCommand = PartCommand<model::ProfileSettings, &model::Profile::settings, ChangeKind::Settings>;
/// Typing in the EDS header.
using EdsHeaderCommand = PartCommand<std::string, &model::Profile::header_text, ChangeKind::EdsHeader>;

/// The command that changes the settings of `profile` as `change` does.
std::unique_ptr<SettingsCommand> changedSettings(const model::Profile& profile, CommandTexts texts,
                                                 const std::function<void(model::ProfileSettings&)>& change,
                                                 int typingSession = 0);

/// A field of the settings page committed as `change` does it; not logged.
std::unique_ptr<Command> settingsFieldChange(const model::Profile& profile,
                                             const std::function<void(model::ProfileSettings&)>& change,
                                             app::Translator& translator, int typingSession = 0);

/// The choice of a group-enumeration entry ("12: Выкл/Вкл"): `group_set` becomes its number and the
/// objects 2534h.01h of the current view take it as their default.
std::unique_ptr<Command> groupSetChoice(const model::Profile& profile, std::string_view entryText,
                                        app::Translator& translator);

/// The choice of CAN module `position` (item text `itemText`), logged; nothing when it is the
/// module already chosen.
std::unique_ptr<Command> canModuleChoice(const model::Profile& profile, int position, std::string_view itemText,
                                         app::Translator& translator);

/// The EDS header typed as `text`.
std::unique_ptr<Command> edsHeaderChange(const model::Profile& profile, std::string text, int typingSession,
                                         app::Translator& translator);

}  // namespace tabrin::editing
