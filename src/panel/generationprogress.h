// How a panel-file generation reports its progress and lets its caller stay responsive.
#pragma once

#include <functional>

namespace tabrin::panel {

/// Both hooks are optional. A window passes one that moves its progress bar and one that
/// processes pending window messages.
struct GenerationProgress {
    std::function<void(int percent)> report;  // 0 to 100, at the generation's fixed points
    std::function<void()> keepResponsive;     // called between the entries of every long loop

    void reach(int percent) const {
        if (report) report(percent);
    }
    void betweenEntries() const {
        if (keepResponsive) keepResponsive();
    }
};

}  // namespace tabrin::panel
