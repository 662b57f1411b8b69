// Messages for a program without windows: printed to the error stream in UTF-8.
#pragma once

#include <ostream>

#include "app/messageport.h"

namespace tabrin::app {

/// Prints every message as "caption: text" and answers as a user who accepts: Yes where it is
/// offered, else OK.
class ConsoleMessagePort : public MessagePort {
public:
    explicit ConsoleMessagePort(std::ostream& out) : m_out(out) {}
    MessageAnswer ask(const Message& message) override;

private:
    std::ostream& m_out;
};

}  // namespace tabrin::app
