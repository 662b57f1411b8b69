// The bases' texts never hold a single quote: typing or pasting one into a text or an
// enumeration item is refused with a message.
#pragma once

#include <string>
#include <string_view>

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::editing {

constexpr char kSingleQuote = '\'';

/// `typed` without its single quotes.
std::string withoutSingleQuotes(std::string_view typed);

/// Tells the user that a single quote cannot be typed.
void tellSingleQuoteRefused(app::Translator& translator, app::MessagePort& port);

/// True when `typed` holds no single quote; else tells the user and gives false.
bool refuseSingleQuote(std::string_view typed, app::Translator& translator, app::MessagePort& port);

}  // namespace tabrin::editing
