// Generated files saved to disk: the folder copy, vost.asm, the EDS file and the log copy.
#include "generators/savedfile.h"

#include <cerrno>
#include <cstring>

#include "app/filewrite.h"
#include "app/paths.h"

namespace tabrin::generators {

std::string saveGeneratedFile(const std::filesystem::path& file, std::string_view bytes) {
    const app::FileWriteStatus status = app::writeFileAtomically(file, bytes);
    const int error = errno;
    switch (status) {
    case app::FileWriteStatus::Written: return {};
    case app::FileWriteStatus::CannotOpen:
        return "Cannot create file \"" + app::shownPath(file.native()) + "\". " + std::strerror(error);
    case app::FileWriteStatus::CannotWrite: break;
    }
    return "Cannot write file \"" + app::shownPath(file.native()) + "\"";
}

}  // namespace tabrin::generators
