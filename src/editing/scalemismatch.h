// The question asked when the scale coefficients of a parameter file and of the profile differ:
// its table (32 rows, the profile's coefficient beside the file's, differences marked), its text
// and its three answers.
#pragma once

#include <string>
#include <vector>

#include "app/messageport.h"
#include "editing/parametercomparison.h"
#include "editing/unitlists.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::editing {

struct ScaleMismatchRow {
    std::string number;  // "00h" … "1Fh"
    std::string profileValue;
    std::string profileFormat;
    std::string fileValue;
    std::string fileFormat;
    bool valueDiffers = false;
    bool formatDiffers = false;

    bool differs() const { return valueDiffers || formatDiffers; }
};

/// A coefficient's format as the table shows it: "prefix unit", Q format, precision.
std::string scaleFormatText(const model::ScaleNumber& scale, const UnitLists& lists);

/// The 32 rows of the table; positions the profile lacks show an empty coefficient.
std::vector<ScaleMismatchRow> scaleMismatchRows(const ScaleComparison& comparison,
                                                const std::vector<model::ScaleNumber>& profile, const UnitLists& lists);

enum class ScaleMismatchAnswer {
    Replace,      // replace the profile's coefficients by the file's; the comparison ends there
    Cancel,       // the comparison ends
    KeepAndGoOn,  // compare the parameters without replacing (not recommended)
};

/// Asks what to do about differing coefficients, showing the table of all rows with the differing
/// cells marked and three named answers: replace (Yes), cancel (Cancel) and go on without
/// replacing (No).
ScaleMismatchAnswer askAboutScaleMismatch(const std::vector<ScaleMismatchRow>& rows, app::MessagePort& port,
                                          app::Translator& translator);

}  // namespace tabrin::editing
