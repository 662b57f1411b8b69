// The progress of a report run and how the report window shows it.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace tabrin::app {
class Translator;
}

namespace tabrin::report {

struct ReportProgress {
    int rowsDone = 0;
    int rowsTotal = 0;
    std::chrono::milliseconds elapsed{0};  // since the writing of the tables began
};

/// Called by the run on its own thread; the window passes what it gets on to its own thread.
using ProgressCallback = std::function<void(const ReportProgress&)>;

struct ProgressDisplay {
    int percent = 0;          // for the progress bar, 0..100
    std::string percentText;  // "42 %"
    std::string timeLeft;     // "00 ч 01 мин 05 сек", Windows-1251, translated
};

/// What the window shows for `progress`; nothing before the first row is done or when there are
/// no rows. The time left assumes the remaining rows take as long as the done ones did.
std::optional<ProgressDisplay> progressDisplay(const ReportProgress& progress, app::Translator& translator);

}  // namespace tabrin::report
