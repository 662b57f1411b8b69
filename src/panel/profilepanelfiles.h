// The panel files a profile asks to be written whenever its controller file is generated.
#pragma once

#include <string>

#include "panel/panelfile.h"

namespace tabrin::model {
struct ProfileSettings;
}

namespace tabrin::panel {

/// Whether the profile's settings ask for panel files with every controller file: GenPUTextsToFolder
/// in the C-code series.
bool panelFilesAskedFor(const model::ProfileSettings& settings);

/// When `settings` ask for it (GenPUTextsToFolder in the C-code series), writes the panel header
/// and then the panel text file of the profile `profileFile` (a path text, app/paths.h), for panel
/// type PUCodeType + 2 and with the kinds, includes and paths of the settings; a relative path is
/// taken in the profile's folder. A path that is not set, an unknown code type or a file that
/// could not be made is told through the environment's port. Returns false when a file asked for
/// was not written.
bool writeProfilePanelFiles(const model::ProfileSettings& settings, const std::string& profileFile,
                            const PanelEnvironment& environment);

}  // namespace tabrin::panel
