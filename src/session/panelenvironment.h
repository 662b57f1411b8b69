// The operator-panel generations the window starts, over the workspace.
#pragma once

#include "panel/panelfile.h"

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {

class Workspace;

/// A generation started from the window: the workspace's enumeration base, language, translation
/// and user, its text base file on disk, and the time now.
panel::PanelEnvironment panelEnvironment(Workspace& workspace, app::MessagePort& port,
                                         panel::GenerationProgress progress);

}  // namespace tabrin::session
