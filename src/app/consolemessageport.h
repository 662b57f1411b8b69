// Messages for a program without windows: printed to the error stream in UTF-8.
#pragma once

#include <ostream>

#include "app/messageport.h"

namespace tabrin::app {

/// Prints every message as "caption: text", then its table one row a line with the cells
/// separated by " | " and a marked cell followed by "*", then its closing text; answers as a user
/// who accepts: Yes where it is offered, else OK, else the first answer offered.
class ConsoleMessagePort : public MessagePort {
public:
    explicit ConsoleMessagePort(std::ostream& out) : m_out(out) {}
    MessageAnswer ask(const Message& message) override;

private:
    void printTable(const MessageTable& table);

    std::ostream& m_out;
};

}  // namespace tabrin::app
