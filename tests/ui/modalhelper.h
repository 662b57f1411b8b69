// Acting inside a modal window a test has opened: the action runs from the window's own event loop
// once the window is on the screen and ready.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tabrin::test {

/// The visible top-level window named `name`, or none.
inline QWidget* shownWindow(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == QLatin1String(name)) return widget;
    }
    return nullptr;
}

/// Once the window named `name` is shown and `ready` says so, runs `act` on it. Call it before the
/// call that opens the window and waits for it to close.
inline void whenShown(const char* name, std::function<bool(QWidget*)> ready, std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, name, ready = std::move(ready), act = std::move(act)] {
        QWidget* window = shownWindow(name);
        if (!window || !ready(window)) return;
        poll->stop();
        poll->deleteLater();
        act(window);
    });
    poll->start();
}

}  // namespace tabrin::test
