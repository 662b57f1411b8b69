// Acting inside a modal window a test has opened: the action runs from the window's own event loop
// once the window is on the screen and ready; messages shown as real modal boxes.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "support/scriptedmessageport.h"

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

/// Every message `port` is asked is also shown as a real modal box, which takes the focus as the
/// program's boxes do, and closed once it is active.
inline void showMessagesModally(ScriptedMessagePort& port) {
    port.onAsk([] {
        QMessageBox box(QMessageBox::Warning, QString(), QStringLiteral("message"), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setObjectName(QStringLiteral("ModalMessageBox"));
        whenShown(
            "ModalMessageBox", [](QWidget* shown) { return QApplication::activeWindow() == shown; },
            [](QWidget* shown) { static_cast<QMessageBox*>(shown)->accept(); });
        box.exec();
    });
}

}  // namespace tabrin::test
