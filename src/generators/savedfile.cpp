// Generated files saved to disk: the folder copy, vost.asm, the EDS file and the log copy.
#include "generators/savedfile.h"

#include "app/filewrite.h"
#include "app/paths.h"

namespace tabrin::generators {

std::string saveGeneratedFile(const std::filesystem::path& file, std::string_view bytes) {
    const app::FileWriteResult result = app::writeFileAtomically(file, bytes);
    if (result.written()) return {};
    const char* failure = result.status == app::FileWriteStatus::CannotOpen ? "Cannot create file" : "Cannot write file";
    std::string message = failure + (" \"" + app::shownPath(file.native()) + "\"");
    if (result.error != 0) message += ". " + app::systemErrorText(result.error);
    return message;
}

}  // namespace tabrin::generators
