// Generated files saved to disk: the folder copy, vost.asm, the EDS file and the log copy.
#include "generators/savedfile.h"

#include <cerrno>

#include "app/filewrite.h"
#include "app/paths.h"

namespace tabrin::generators {

std::string saveGeneratedFile(const std::filesystem::path& file, std::string_view bytes) {
    const app::FileWriteStatus status = app::writeFileAtomically(file, bytes);
    const std::string reason = app::systemErrorText(errno);
    switch (status) {
    case app::FileWriteStatus::Written: return {};
    case app::FileWriteStatus::CannotOpen:
        return "Cannot create file \"" + app::shownPath(file.native()) + "\". " + reason;
    case app::FileWriteStatus::CannotWrite: break;
    }
    return "Cannot write file \"" + app::shownPath(file.native()) + "\". " + reason;
}

}  // namespace tabrin::generators
