// The copy dialog "Копирование перечисления" as data: the user's enumerations offered as targets,
// the copy prepared for the chosen one, and the paste, asked about when it would replace texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/language.h"
#include "editing/basedocument.h"

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::editing {

enum class PasteResult {
    Pasted,    // the target now holds the copy; the dialog closes
    Declined,  // the user kept the target's texts; the dialog stays
    NoTarget,  // nothing chosen yet
};

class EnumerationCopy {
public:
    /// Copies `source` (any user's) onto one of `user`'s enumerations.
    EnumerationCopy(SetBaseDocument& sets, bases::SetBaseElement source, std::string user, app::Language language,
                    app::Translator& translator, app::MessagePort& port);

    /// The display names of the user's enumerations, in base order.
    std::vector<std::string> targetNames() const;
    /// Prepares the copy for the target at `entry` of the names.
    void choose(int entry);
    /// The copy as it would be pasted: the source's items with the target's number and the user as
    /// author; nothing before a target is chosen.
    const std::optional<bases::SetBaseElement>& prepared() const { return m_prepared; }

    /// Replaces the chosen target by the copy as one command, after asking when the target holds
    /// texts.
    PasteResult paste();

private:
    SetBaseDocument& m_sets;
    bases::SetBaseElement m_source;
    std::string m_user;
    app::Language m_language;
    app::Translator& m_translator;
    app::MessagePort& m_port;
    std::vector<std::size_t> m_targets;  // positions in the base
    std::optional<bases::SetBaseElement> m_prepared;
    std::size_t m_chosen = 0;
};

}  // namespace tabrin::editing
