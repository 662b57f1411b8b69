// The base export file: both bases in one document for the parameter-setup tool, and the
// command that writes it without a window.
#include "bases/baseexport.h"

#include <algorithm>
#include <cerrno>

#include "app/cp1251.h"
#include "app/eventlog.h"
#include "app/filewrite.h"
#include "app/formattext.h"
#include "app/paths.h"
#include "app/settings.h"

namespace tabrin::bases {
namespace {

constexpr std::string_view kErrorCaption = "Ошибка";
constexpr std::string_view kCannotWriteFolder = "Не удалось записать в папку '%s'";
constexpr std::string_view kCannotWriteFile = "Не удалось записать файл '%s'";

}  // namespace

std::string exportFileName(std::string_view vendorToken) {
    std::string name = "coTextBase";
    if (!vendorToken.empty()) name += "_" + std::string(vendorToken);
    return name + ".xml";
}

xml::XMLNode buildExportDocument(const TextBase& texts, const SetBase& sets,
                                 std::chrono::system_clock::time_point creationTime,
                                 const ProcessPendingEvents& processPendingEvents) {
    xml::XMLNode document = xml::createProgramDocument();
    xml::XMLNode root = document.addChild("root");
    root.addAttribute("CreationDateTime", app::dateTimeText(creationTime));

    xml::XMLNode params = root.addChild("params");
    for (const TextBaseElement& text : texts.elements()) {
        xml::XMLNode param = params.addChild("param");
        param.addAttribute("name", text.trus);
        param.addAttribute("ShortText", text.text);
        param.addAttribute("EngText", text.teng);
        param.addAttribute("textid", text.textid);
        param.addAttribute("sets", text.sets.empty() ? "-1" : text.sets);
        if (processPendingEvents) processPendingEvents();
    }

    xml::XMLNode enums = root.addChild("enums");
    for (const SetBaseElement& set : sets.elements()) {
        xml::XMLNode enumNode = enums.addChild("enum");
        enumNode.addAttribute("id", set.id);
        for (const SetTextItem& item : set.items) enumNode.addChild("text").addAttribute("text_par", item.packed());
        if (processPendingEvents) processPendingEvents();
    }
    return document;
}

bool writeExportFile(const std::filesystem::path& file, const TextBase& texts, const SetBase& sets,
                     std::chrono::system_clock::time_point creationTime,
                     const ProcessPendingEvents& processPendingEvents, int* systemError) {
    const xml::XMLNode document = buildExportDocument(texts, sets, creationTime, processPendingEvents);
    return document.writeToFile(file, {}, systemError) == xml::XMLError::None;
}

std::string normaliseFolderArgument(std::string_view argument, bool emptyMeansProgramFolder,
                                    std::string_view programFolder) {
    std::string folder = cp1251::trim(argument);
    if (!folder.empty()) {
        if (folder.front() == '"') folder.erase(0, 1);
        if (!folder.empty() && folder.back() == '"') folder.pop_back();
        folder = cp1251::trim(folder);
    }
    std::string base(programFolder);
    if (!base.empty() && base.back() != '/') base += '/';
    if (folder.empty()) return emptyMeansProgramFolder ? base : std::string();

    const bool rootedHere = folder.front() == '/';  // a Linux path; "\out" still means below the program
    std::replace(folder.begin(), folder.end(), '\\', '/');
    const bool hasDrive = folder.size() > 1 && folder[1] == ':';
    if (!rootedHere && !hasDrive) {
        if (folder.front() == '/') folder.erase(0, 1);
        folder = base + folder;
    }
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::optional<std::string> exportTextsArgument(std::string_view commandLine) {
    static constexpr std::string_view kSwitch = "-export-texts";
    // Only the switch is compared without case: the folder after it keeps its own.
    std::string lowered(commandLine);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const std::size_t at = lowered.find(kSwitch);
    if (at == std::string::npos) return std::nullopt;
    return std::string(commandLine.substr(at + kSwitch.size()));
}

ExportResult runExportTexts(std::string_view folderArgument, const std::filesystem::path& programFolder,
                            app::MessagePort& port) {
    const std::string folder = normaliseFolderArgument(folderArgument, true, app::pathText(programFolder));
    TextBase texts;
    SetBase sets;
    if (!texts.load(TextBase::filePath(programFolder), port) || !texts.readCleanly()) return ExportResult::BasesUnread;
    if (!sets.load(SetBase::filePath(programFolder), port) || !sets.readCleanly()) return ExportResult::BasesUnread;
    const app::Settings settings = app::readSettings(app::settingsFilePath(programFolder), 0);
    const std::string fileName = app::pathFromStored(exportFileName(settings.vendorToken));
    const std::filesystem::path file = app::nativePath(folder + fileName);
    int systemError = 0;
    if (writeExportFile(file, texts, sets, app::currentTime(), {}, &systemError)) return ExportResult::Written;
    // A folder that is missing (or is a file) is what a mistyped argument gives: name the folder.
    const bool noFolder = systemError == ENOENT || systemError == ENOTDIR;
    const std::string failure = noFolder ? app::formatText(cp1251::fromUtf8(kCannotWriteFolder), {app::shownPath(folder)})
                                         : app::formatText(cp1251::fromUtf8(kCannotWriteFile), {app::shownPath(file.native())});
    port.ask({cp1251::fromUtf8(kErrorCaption), failure + (systemError != 0 ? ": " + app::systemErrorText(systemError) : ""),
              app::MessageButtons::Ok, app::MessageIcon::Error});
    return ExportResult::NotWritten;
}

int exitCode(ExportResult result) { return result == ExportResult::Written ? 0 : 1; }

}  // namespace tabrin::bases
