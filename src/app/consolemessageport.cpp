// Messages for a program without windows: printed to the error stream in UTF-8.
#include "app/consolemessageport.h"

#include <algorithm>

#include "app/cp1251.h"

namespace tabrin::app {
namespace {

constexpr const char* kCellSeparator = " | ";

}  // namespace

MessageAnswer ConsoleMessagePort::ask(const Message& message) {
    if (!message.caption.empty()) m_out << cp1251::toUtf8(message.caption) << ": ";
    m_out << cp1251::toUtf8(message.text) << '\n';
    if (message.table) printTable(*message.table);
    if (!message.closingText.empty()) m_out << cp1251::toUtf8(message.closingText) << '\n';
    const std::vector<MessageAnswer> offered = offeredAnswers(message);
    for (const MessageAnswer accepting : {MessageAnswer::Yes, MessageAnswer::Ok}) {
        if (std::find(offered.begin(), offered.end(), accepting) != offered.end()) return accepting;
    }
    return offered.front();
}

void ConsoleMessagePort::printTable(const MessageTable& table) {
    const auto printLine = [this](const auto& cells, const auto& textOf) {
        for (std::size_t column = 0; column < cells.size(); ++column)
            m_out << (column == 0 ? "" : kCellSeparator) << textOf(cells[column]);
        m_out << '\n';
    };
    if (!table.groups.empty())
        printLine(table.groups, [](const MessageColumnGroup& group) { return cp1251::toUtf8(group.caption); });
    if (!table.headers.empty())
        printLine(table.headers, [](const std::string& header) { return cp1251::toUtf8(header); });
    for (const std::vector<MessageCell>& row : table.rows)
        printLine(row, [](const MessageCell& cell) { return cp1251::toUtf8(cell.text) + (cell.marked ? "*" : ""); });
}

}  // namespace tabrin::app
