// One undoable change of the profile: done and undone on the profile it was made for, with the
// texts that name it in the menu and in the event log.
#pragma once

#include <string>
#include <vector>

#include "editing/documentchange.h"

namespace tabrin::model {
class Profile;
}

namespace tabrin::editing {

/// How a command is named: `menuText` follows "Отменить: " in the menu (Windows-1251, translated);
/// `logLine` is the English event-log line of the operation, also written after "Undo: " and
/// "Redo: "; `logWhenDone` says whether doing the command writes it (some changes are not logged).
struct CommandTexts {
    std::string menuText;
    std::string logLine;
    bool logWhenDone = true;
};

class Command {
public:
    Command(CommandTexts texts, ChangeKind kinds) : m_texts(std::move(texts)), m_kinds(kinds) {}
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    const CommandTexts& texts() const { return m_texts; }
    ChangeKind kinds() const { return m_kinds; }

    /// Does the change; after `undo`, does it again with the same result.
    virtual void redo(model::Profile& profile) = 0;
    /// Puts the profile back exactly as it was before `redo`.
    virtual void undo(model::Profile& profile) = 0;
    /// The objects to select once the change is done or undone (those that exist at that point).
    virtual std::vector<model::ObjectSerial> touchedObjects(bool undone) const {
        static_cast<void>(undone);
        return {};
    }
    /// Takes `later`, already done, into this command, so that one undo takes back both. False
    /// when the two do not merge.
    virtual bool mergeWith(const Command& later) {
        static_cast<void>(later);
        return false;
    }

private:
    CommandTexts m_texts;
    ChangeKind m_kinds;
};

}  // namespace tabrin::editing
