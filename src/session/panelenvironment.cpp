// The operator-panel generations the window starts, over the workspace.
#include "session/panelenvironment.h"

#include "app/eventlog.h"
#include "session/workspace.h"

namespace tabrin::session {

panel::PanelEnvironment panelEnvironment(Workspace& workspace, app::MessagePort& port,
                                         panel::GenerationProgress progress) {
    return {workspace.services(port), app::dateTimeText(app::currentTime()), std::move(progress)};
}

}  // namespace tabrin::session
