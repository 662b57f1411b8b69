// The choices of the report window: index and group ranges and the switches of the columns and texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tabrin::report {

/// Defaults are those the report window shows.
struct ReportOptions {
    std::uint32_t startIndex = 0x2500;  // both ends included
    std::uint32_t endIndex = 0xFFFF;
    int startGroup = -2;  // the user's group numbers: position in the group enumeration minus 2
    int endGroup = 255;
    bool longTexts = false;       // names and group titles in long form
    bool cNames = false;          // column of C variables
    bool outsideGroup = false;    // the group "outside groups" at position 2
    bool numberColumn = false;    // column "№" with group and parameter numbers
    bool groupsFromZero = false;  // groups numbered by position instead of position minus 2
    bool secretMark = true;       // " (секретный)" after the description of Secret parameters
    bool indexColumn = true;      // column "ID.SubID"

    bool operator==(const ReportOptions&) const = default;
};

/// An index bound as typed into the window: hexadecimal digits only, at most 32 bits.
std::optional<std::uint32_t> parseIndexBound(std::string_view text);

}  // namespace tabrin::report
