// One undoable change of a base: an element replaced, or appended, with the element before and
// after, so that undo puts the base back exactly.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "editing/command.h"

namespace tabrin::editing {

template <typename Element>
class ElementChange {
public:
    /// `before` empty: `after` is appended at `position` (the end of the base when done).
    ElementChange(CommandTexts texts, std::size_t position, std::optional<Element> before, Element after)
        : m_texts(std::move(texts)), m_position(position), m_before(std::move(before)), m_after(std::move(after)) {}

    const CommandTexts& texts() const { return m_texts; }
    std::size_t position() const { return m_position; }
    /// The element before the change; nothing for an appended one.
    const std::optional<Element>& before() const { return m_before; }
    const Element& after() const { return m_after; }

    void redo(std::vector<Element>& elements) const {
        if (m_before) {
            elements[m_position] = m_after;
        } else {
            elements.insert(elements.begin() + static_cast<std::ptrdiff_t>(m_position), m_after);
        }
    }
    void undo(std::vector<Element>& elements) const {
        if (m_before) {
            elements[m_position] = *m_before;
        } else {
            elements.erase(elements.begin() + static_cast<std::ptrdiff_t>(m_position));
        }
    }
    /// Changes of a base are each undone on their own.
    bool mergeWith(const ElementChange&) const { return false; }

private:
    CommandTexts m_texts;
    std::size_t m_position;
    std::optional<Element> m_before;
    Element m_after;
};

}  // namespace tabrin::editing
