// The texts of one parameter's row in the report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "report/valuetexts.h"

namespace tabrin::report {

/// Ranges longer than this are shortened to their ends.
inline constexpr std::size_t kMaxRangeLength = 256;

struct RowTextContext {
    ValueTextContext values;
    bool longTexts = false;
    std::string secretMark;  // appended to the description of Secret objects; empty for none
};

struct ReportRow {
    std::string description;  // with units and the secret mark
    std::string name;
    std::string rangeCell;  // the range and, on a line of its own, the default in brackets
    std::string idSubId;    // "2500.01"
    std::string group;      // as the object holds it
    std::string addr;
};

/// The row of `object`; nothing for objects that get none (roots).
std::optional<ReportRow> reportRow(const model::DictObject& object, const RowTextContext& context);

/// The range alone when the default is empty or "?", else the range, a line feed and "[default]".
std::string rangeCellText(std::string_view range, std::string_view defaultText);

/// A range beyond kMaxRangeLength characters becomes its first and last 25 joined by " ... ".
std::string shortenedRange(std::string range);

/// Index and subindex without blanks and "h" at their ends, joined by ".": 2500h, 01h give 2500.01.
std::string idSubIdText(std::string_view index, std::string_view subindex);

}  // namespace tabrin::report
