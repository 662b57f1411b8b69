// The scale table as the scale page shows a coefficient: its display precision, prefix, unit and
// Q format as item texts of their lists.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tabrin::model {
struct ScaleNumber;
}

namespace tabrin::editing {

struct UnitLists;

/// The display precisions "x" to "x.xxx" and the Q formats "16.0" to "0.16" a coefficient chooses from.
inline constexpr std::array<std::string_view, 4> kDisplayPrecisions = {"x", "x.x", "x.xx", "x.xxx"};
inline constexpr std::array<std::string_view, 17> kScaleQFormats = {
    "16.0", "15.1", "14.2", "13.3", "12.4", "11.5", "10.6", "9.7", "8.8",
    "7.9",  "6.10", "5.11", "4.12", "3.13", "2.14", "1.15", "0.16"};

/// The texts of a coefficient's list fields; a field that is no position of its list shows empty.
struct ScaleListTexts {
    std::string precision;
    std::string prefix;
    std::string unit;
    std::string qFormat;
};
ScaleListTexts scaleListTexts(const model::ScaleNumber& scale, const UnitLists& lists);

}  // namespace tabrin::editing
