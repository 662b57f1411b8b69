// The export button: modified bases saved, the file chosen, its folder remembered, the file written.
#include "session/baseexportbutton.h"

#include "app/cp1251.h"
#include "app/filedialogport.h"
#include "app/filewrite.h"
#include "app/formattext.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "bases/baseexport.h"
#include "session/workspace.h"

namespace tabrin::session {
namespace {

constexpr std::string_view kDialogTitle = "Экспортировать тексты/перечисления в файл";
constexpr std::string_view kFilter = "Xml files (*.xml)|*.xml";
constexpr std::string_view kExtension = "xml";
constexpr std::string_view kErrorCaption = "Ошибка";
constexpr std::string_view kCannotWrite = "Не удалось записать файл '%s'";

// The folder part of a path text, with its separator.
std::string folderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace

ButtonExport exportBasesToChosenFile(Workspace& workspace, app::FileDialogPort& dialogs, app::MessagePort& port,
                                     std::chrono::system_clock::time_point creationTime) {
    if (workspace.textsDocument.isModified() && !workspace.saveTextBase(port)) return ButtonExport::Cancelled;
    if (workspace.setsDocument.isModified() && !workspace.saveSetBase(port)) return ButtonExport::Cancelled;
    app::Settings& settings = workspace.settings;
    // Before the first export the file is proposed in the program's folder.
    const std::string folder = settings.kelvoPath.empty() ? app::pathText(workspace.programFolder) : settings.kelvoPath;
    const std::string proposed =
        app::resolveInFolder(folder, app::pathFromStored(bases::exportFileName(settings.vendorToken)));
    const std::optional<std::string> chosen = dialogs.askSavePath(
        {workspace.translator.tr(kDialogTitle), std::string(kFilter), proposed, std::string(kExtension)});
    if (!chosen) return ButtonExport::Cancelled;
    settings.kelvoPath = folderOf(*chosen);
    int systemError = 0;
    if (bases::writeExportFile(app::nativePath(*chosen), workspace.texts, workspace.sets, creationTime, {},
                               &systemError))
        return ButtonExport::Written;
    std::string failure = app::formatText(workspace.translator.tr(kCannotWrite), {app::shownPath(*chosen)});
    if (systemError != 0) failure += ": " + app::systemErrorText(systemError);
    port.ask({workspace.translator.tr(kErrorCaption), failure, app::MessageButtons::Ok, app::MessageIcon::Error});
    return ButtonExport::NotWritten;
}

}  // namespace tabrin::session
