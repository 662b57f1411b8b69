// The one history of the two bases, as the texts and enumerations pages undo and redo: a page may
// change either base (the enumerations page unbinds texts of the text base), and undo takes back
// the last change of the bases, whichever base it touched.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "editing/basedocument.h"

namespace tabrin::editing {

class BasesHistory {
public:
    /// Follows every change of both documents from now on, for as long as it lives.
    BasesHistory(TextBaseDocument& texts, SetBaseDocument& sets);
    BasesHistory(const BasesHistory&) = delete;
    BasesHistory& operator=(const BasesHistory&) = delete;

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_order.size(); }
    std::string undoText() const;
    std::string redoText() const;
    /// Undoes the last change of either base.
    void undo();
    /// Redoes the change undo took back last.
    void redo();

private:
    enum class Base { Texts, Sets };

    void follow(Base base, const DocumentChange& change);
    template <typename Action>
    decltype(auto) onDocument(Base base, Action&& action);
    template <typename Action>
    decltype(auto) onDocument(Base base, Action&& action) const;

    TextBaseDocument& m_texts;
    SetBaseDocument& m_sets;
    std::vector<Base> m_order;  // the base of each command of both histories, oldest first
    std::size_t m_done = 0;     // commands in effect
    bool m_stepping = false;    // an undo or redo of this history is under way
    Subscription m_textsSubscription;
    Subscription m_setsSubscription;
};

}  // namespace tabrin::editing
