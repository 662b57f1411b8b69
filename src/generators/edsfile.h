// The EDS file (CANopen Electronic Data Sheet) of a profile's current view, for configuration tools.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "generators/generationstatus.h"
#include "model/services.h"

namespace tabrin::model {
class Profile;
}

namespace tabrin::generators {

/// Told the share of the objects written so far, 0 to 100.
using ProgressReport = std::function<void(int percent)>;

struct EdsFile {
    GenerationStatus status = GenerationStatus::Refused;
    std::string text;  // Windows-1251; every entry ends in CR LF, line breaks inside one are LF
};

/// The EDS file of the profile's current view with `headerText` (the EDS header the user edits,
/// its line breaks written as CR LF) at its top. A header holding "<" or ">" is refused with a
/// message, since it would break the profile file; then the check before generation runs with
/// its questions. Refused when either stops it. The scale-coefficient objects are expected to hold
/// their defaults from the scale table already.
EdsFile generateEdsFile(const model::Profile& profile, const model::Services& context, std::string_view headerText,
                        const ProgressReport& progress = {});

/// Where the EDS file goes: the profile's path with the extension ".eds".
std::string edsFilePath(const model::Profile& profile);

}  // namespace tabrin::generators
