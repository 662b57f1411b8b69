// The progress of a report run and how the report window shows it.
#include "report/reportprogress.h"

#include <cstdint>

#include "app/translator.h"

namespace tabrin::report {
namespace {

std::string twoDigits(std::int64_t value) { return value < 10 ? "0" + std::to_string(value) : std::to_string(value); }

// Fills the pattern's "%02u" placeholders in order; a translated pattern with more of them than
// there are values keeps the rest as they are.
std::string fillTimePattern(std::string pattern, std::initializer_list<std::int64_t> values) {
    constexpr std::string_view kPlaceholder = "%02u";
    std::size_t at = 0;
    for (const std::int64_t value : values) {
        at = pattern.find(kPlaceholder, at);
        if (at == std::string::npos) break;
        const std::string digits = twoDigits(value);
        pattern.replace(at, kPlaceholder.size(), digits);
        at += digits.size();
    }
    return pattern;
}

}  // namespace

std::optional<ProgressDisplay> progressDisplay(const ReportProgress& progress, app::Translator& translator) {
    if (progress.rowsDone <= 0 || progress.rowsTotal <= 0) return std::nullopt;
    const std::int64_t done = progress.rowsDone;
    const std::int64_t total = progress.rowsTotal;
    const std::int64_t elapsed = progress.elapsed.count();
    const std::int64_t left = (elapsed * total / done - elapsed) / 1000;
    ProgressDisplay display;
    display.percent = static_cast<int>(done * 100 / total);
    display.percentText = std::to_string(display.percent) + " %";
    display.timeLeft = fillTimePattern(translator.tr("%02u ч %02u мин %02u сек"),
                                       {left / 3600, left / 60 % 60, left % 60});
    return display;
}

}  // namespace tabrin::report
