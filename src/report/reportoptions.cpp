// The choices of the report window: index and group ranges and the switches of the columns and texts.
#include "report/reportoptions.h"

#include <charconv>

namespace tabrin::report {

std::optional<std::uint32_t> parseIndexBound(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace tabrin::report
