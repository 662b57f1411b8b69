// The application object: exceptions that escape an event handler are logged and shown, and the
// program goes on.
#pragma once

#include <QApplication>

#include <string>

namespace tabrin::app {
class EventLog;
class MessagePort;
}  // namespace tabrin::app

namespace tabrin::ui {

class TabrinApplication : public QApplication {
    Q_OBJECT

public:
    TabrinApplication(int& argc, char** argv);

    /// Where escaped exceptions are told: the box through `port`, the message also into `log`
    /// (none until the main window has one).
    void setExceptionHandling(app::MessagePort* port, app::EventLog* log);

    bool notify(QObject* receiver, QEvent* event) override;

    /// Logs the message of an exception (UTF-8) and shows it in the exception box.
    void showException(const std::string& message);

private:
    app::MessagePort* m_port = nullptr;
    app::EventLog* m_log = nullptr;
};

}  // namespace tabrin::ui
