// The index and group ranges of the report window as the user typed them, read into report options.
#pragma once

#include <optional>
#include <string>

#include "app/messageport.h"
#include "report/reportoptions.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::report {

struct ReportRangeTexts {
    std::string startIndex;  // hexadecimal
    std::string endIndex;
    std::string startGroup;  // decimal, the user's group numbers
    std::string endGroup;
};

/// Reads the four texts into `options`. A text that does not read stops the report before it
/// starts: the message names it, and `options` keep their ranges.
std::optional<app::Message> readReportRanges(const ReportRangeTexts& texts, ReportOptions& options,
                                             app::Translator& translator);

}  // namespace tabrin::report
