// Listeners of a document, each registered for as long as its subscription lives.
#include "editing/listeners.h"

namespace tabrin::editing {

Subscription::Subscription(Subscription&& other) noexcept
    : m_listeners(std::move(other.m_listeners)), m_id(other.m_id) {
    other.m_listeners.reset();
}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        cancel();
        m_listeners = std::move(other.m_listeners);
        m_id = other.m_id;
        other.m_listeners.reset();
    }
    return *this;
}

Subscription::~Subscription() { cancel(); }

void Subscription::cancel() {
    if (const auto listeners = m_listeners.lock()) listeners->erase(m_id);
    m_listeners.reset();
}

Subscription ListenerList::listen(DocumentListener listener) {
    const int id = ++m_lastListener;
    m_listeners->emplace(id, std::move(listener));
    return Subscription(m_listeners, id);
}

void ListenerList::tell(const DocumentChange& change) const {
    const std::map<int, DocumentListener> listeners = *m_listeners;
    for (const auto& [id, listener] : listeners) {
        if (m_listeners->contains(id)) listener(change);
    }
}

}  // namespace tabrin::editing
