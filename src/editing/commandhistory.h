// The history of a document: the commands in effect and those undone, merging, and the point at
// which the document matches its file.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tabrin::editing {

/// `CommandType` has `texts().menuText` and `mergeWith(const CommandType&)`. The history only keeps
/// the commands; the document does and undoes them on what it owns.
template <typename CommandType>
class CommandHistory {
public:
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_commands.size(); }
    std::size_t size() const { return m_commands.size(); }

    /// The menu texts of the command undo and redo would take; empty when there is none.
    std::string undoText() const { return canUndo() ? m_commands[m_done - 1]->texts().menuText : ""; }
    std::string redoText() const { return canRedo() ? m_commands[m_done]->texts().menuText : ""; }

    /// Forgets the undone commands before a new one is done: they can no longer be redone, and a
    /// saved state among them is lost.
    void dropUndone() {
        m_commands.resize(m_done);
        if (m_clean != kNoCleanState && m_clean > m_done) m_clean = kNoCleanState;
    }

    /// Keeps `command`, already done; it is taken into the last one when that is not the saved
    /// state and the two merge.
    void record(std::unique_ptr<CommandType> command) {
        const bool merges = m_done > 0 && m_clean != m_done && m_commands.back()->mergeWith(*command);
        if (merges) return;
        m_commands.push_back(std::move(command));
        ++m_done;
    }

    /// Calls `visit` with each command in effect, oldest first.
    template <typename Visit>
    void forEachDone(Visit&& visit) const {
        for (std::size_t k = 0; k < m_done; ++k) visit(*m_commands[k]);
    }

    /// The command to undo, now counted as undone; nullptr when there is none.
    CommandType* stepBack() { return canUndo() ? m_commands[--m_done].get() : nullptr; }
    /// The command to redo, now counted as done; nullptr when there is none.
    CommandType* stepForward() { return canRedo() ? m_commands[m_done++].get() : nullptr; }

    /// The present state is the one in the file.
    void setClean() { m_clean = m_done; }
    bool isClean() const { return m_clean == m_done; }

    void clear() {
        m_commands.clear();
        m_done = 0;
        m_clean = 0;
    }

private:
    static constexpr std::size_t kNoCleanState = static_cast<std::size_t>(-1);
    std::vector<std::unique_ptr<CommandType>> m_commands;
    std::size_t m_done = 0;   // commands in effect
    std::size_t m_clean = 0;  // the number of commands in effect when the file was last read or written
};

}  // namespace tabrin::editing
