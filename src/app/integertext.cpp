// Numbers kept as their decimal texts, read back where they are used.
#include "app/integertext.h"

#include <charconv>

namespace tabrin::app {

namespace {

template <typename Integer>
std::optional<Integer> toNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    Integer value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> toInteger(std::string_view text) { return toNumber<int>(text); }

std::optional<long long> toLongLong(std::string_view text) { return toNumber<long long>(text); }

}  // namespace tabrin::app
