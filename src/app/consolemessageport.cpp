// Messages for a program without windows: printed to the error stream in UTF-8.
#include "app/consolemessageport.h"

#include "app/cp1251.h"

namespace tabrin::app {

MessageAnswer ConsoleMessagePort::ask(const Message& message) {
    if (!message.caption.empty()) m_out << cp1251::toUtf8(message.caption) << ": ";
    m_out << cp1251::toUtf8(message.text) << '\n';
    const bool offersYes = message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel;
    return offersYes ? MessageAnswer::Yes : MessageAnswer::Ok;
}

}  // namespace tabrin::app
