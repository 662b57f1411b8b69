// Listeners of a document: each registered for as long as its subscription lives, told of every
// change in the order they subscribed.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "editing/documentchange.h"

namespace tabrin::editing {

using DocumentListener = std::function<void(const DocumentChange&)>;

/// Keeps a listener registered while it lives.
class Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<std::map<int, DocumentListener>> listeners, int id)
        : m_listeners(std::move(listeners)), m_id(id) {}
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription();

private:
    void cancel();

    std::weak_ptr<std::map<int, DocumentListener>> m_listeners;
    int m_id = 0;
};

class ListenerList {
public:
    /// Tells `listener` of every change from now on, as long as the subscription lives.
    [[nodiscard]] Subscription listen(DocumentListener listener);
    /// Tells every listener; a listener may subscribe or leave while it is told.
    void tell(const DocumentChange& change) const;

private:
    std::shared_ptr<std::map<int, DocumentListener>> m_listeners = std::make_shared<std::map<int, DocumentListener>>();
    int m_lastListener = 0;
};

}  // namespace tabrin::editing
