// The application object: exceptions that escape an event handler are logged and shown, and the
// program goes on.
#include "ui/tabrinapplication.h"

#include <exception>
#include <new>
#include <string>

#include "app/cp1251.h"
#include "app/eventlog.h"
#include "app/messageport.h"
#include "app/version.h"

namespace tabrin::ui {

TabrinApplication::TabrinApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TabrinApplication::setExceptionHandling(app::MessagePort* port, app::EventLog* log) {
    m_port = port;
    m_log = log;
}

bool TabrinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        showException("Unable to allocate memory");
    } catch (const std::exception& exception) {
        showException(exception.what());
    } catch (...) {
        // Whatever else was thrown carries no message that could be shown.
        showException(std::string());
    }
    return false;
}

void TabrinApplication::showException(const std::string& message) {
    const std::string text = cp1251::fromUtf8(message);
    if (m_log != nullptr) m_log->writeLog(text);
    if (m_port != nullptr) m_port->ask({app::programTitle(), text, app::MessageButtons::Ok, app::MessageIcon::Error});
}

}  // namespace tabrin::ui
