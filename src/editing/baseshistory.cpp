// The one history of the two bases.
#include "editing/baseshistory.h"

#include <algorithm>

namespace tabrin::editing {

BasesHistory::BasesHistory(TextBaseDocument& texts, SetBaseDocument& sets) : m_texts(texts), m_sets(sets) {
    m_textsSubscription = texts.listen([this](const DocumentChange& change) { follow(Base::Texts, change); });
    m_setsSubscription = sets.listen([this](const DocumentChange& change) { follow(Base::Sets, change); });
}

template <typename Action>
decltype(auto) BasesHistory::onDocument(Base base, Action&& action) {
    return base == Base::Texts ? action(m_texts) : action(m_sets);
}

template <typename Action>
decltype(auto) BasesHistory::onDocument(Base base, Action&& action) const {
    return base == Base::Texts ? action(m_texts) : action(m_sets);
}

std::string BasesHistory::undoText() const {
    return canUndo() ? onDocument(m_order[m_done - 1], [](const auto& document) { return document.undoText(); })
                     : std::string();
}

std::string BasesHistory::redoText() const {
    return canRedo() ? onDocument(m_order[m_done], [](const auto& document) { return document.redoText(); })
                     : std::string();
}

void BasesHistory::undo() {
    if (!canUndo()) return;
    m_stepping = true;
    onDocument(m_order[--m_done], [](auto& document) { document.undo(); });
    m_stepping = false;
}

void BasesHistory::redo() {
    if (!canRedo()) return;
    m_stepping = true;
    onDocument(m_order[m_done++], [](auto& document) { document.redo(); });
    m_stepping = false;
}

// A new command forgets what was undone in either base; a base read again forgets its commands.
void BasesHistory::follow(Base base, const DocumentChange& change) {
    if (m_stepping) return;
    const bool forgotten =
        onDocument(base, [](const auto& document) { return !document.canUndo() && !document.canRedo(); });
    if (change.cause == ChangeCause::Done) {
        m_order.resize(m_done);
        m_order.push_back(base);
        ++m_done;
    } else if (change.cause == ChangeCause::Unrecorded && forgotten) {
        const std::size_t doneBefore = static_cast<std::size_t>(
            std::count(m_order.begin(), m_order.begin() + static_cast<std::ptrdiff_t>(m_done), base));
        std::erase(m_order, base);
        m_done -= doneBefore;
    }
}

}  // namespace tabrin::editing
