// Messages made from a pattern whose placeholders take their values in order.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tabrin::app {

/// `pattern` with each "%s" or "%d" replaced by the next of `arguments` (numbers are given as their
/// decimal texts) and "%%" by "%". Placeholders beyond the arguments stay as they are, so a
/// translated pattern with too many of them cannot read past the values.
std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace tabrin::app
