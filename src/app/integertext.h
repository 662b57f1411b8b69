// Numbers kept as their decimal texts, read back where they are used.
#pragma once

#include <optional>
#include <string_view>

namespace tabrin::app {

/// The value of a decimal text with an optional sign (leading blanks allowed), when it is a
/// 32-bit integer.
std::optional<int> toInteger(std::string_view text);
/// The same for a 64-bit integer.
std::optional<long long> toLongLong(std::string_view text);

}  // namespace tabrin::app
