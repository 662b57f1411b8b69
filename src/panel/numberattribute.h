// Text and enumeration numbers read from attributes: a value that is not one stops the
// generation with a message naming the file, the element and the attribute.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::panel {

/// Where a number stands (Windows-1251 texts), for the message.
struct AttributePlace {
    std::string file;
    std::string element;
    std::string_view attribute;
};

/// The value of a decimal number from 0 to 32767 (the range of text and enumeration numbers);
/// for anything else the user is told and the result is empty.
std::optional<int> readNumberAttribute(std::string_view value, const AttributePlace& place, app::MessagePort& port,
                                       app::Translator& translator);

}  // namespace tabrin::panel
