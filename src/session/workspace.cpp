// What the main window owns for the whole run: settings, event log, interface translation, both
// bases and the profile, with the steps of the run's start and end that need no window.
#include "session/workspace.h"

#include <system_error>

#include "app/filewrite.h"
#include "app/messageport.h"

namespace fs = std::filesystem;

namespace tabrin::session {
namespace {

void deleteFilesIn(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code ignored;
        if (entry->path().filename().string().starts_with('.') || !entry->is_regular_file(ignored)) continue;
        fs::remove(entry->path(), ignored);
    }
}

constexpr std::string_view kTextBaseModified = "База текстов была изменена.\nСохранить изменения?";
constexpr std::string_view kSetBaseModified = "База перечислений была изменена.\nСохранить изменения?";
constexpr std::string_view kExitCaption = "Выход";

// Yes saves, No leaves the file as it is, Cancel (or a failed save) keeps the program running.
template <typename Document>
bool askToSaveBase(Document& document, std::string_view question, app::Translator& translator,
                   app::MessagePort& port) {
    if (!document.isModified()) return true;
    const app::Message message{translator.tr(kExitCaption),
                               translator.tr(question), app::MessageButtons::YesNoCancel,
                               app::MessageIcon::Question};
    switch (port.ask(message)) {
    case app::MessageAnswer::No: return true;
    case app::MessageAnswer::Yes: return document.save(port);
    default: return false;
    }
}

}  // namespace

Workspace::Workspace(fs::path folder, int localeLanguage)
    : programFolder(std::move(folder)),
      settings(app::readSettings(app::settingsFilePath(programFolder), localeLanguage)),
      language(settings.englishInterface() ? app::Language::English : app::Language::Russian),
      textsDocument(texts, bases::TextBase::filePath(programFolder), translator),
      setsDocument(sets, bases::SetBase::filePath(programFolder), translator),
      basesHistory(textsDocument, setsDocument),
      document(translator, language, texts, log),
      profile(document.profile()) {}

Workspace::~Workspace() { app::setFileWriteNotice({}); }

void Workspace::start() {
    std::error_code ignored;
    if (fs::is_directory(logFolder(), ignored)) {
        // Another run of the same program folder is writing there: its log and copies stay.
        m_instanceLock = std::make_unique<app::InstanceLock>(logFolder(), [this] { deleteFilesIn(logFolder()); });
        log.open(logFolder() / "Tabrin4.log");
    }
    app::setFileWriteNotice([this](std::string_view line) { log.writeLog(line); });
    translator.loadDictionary(programFolder / "lang_dict.xml", static_cast<int>(language));
}

void Workspace::finish() {
    const bool english = englishInterface();
    settings.profColumnWidths = app::storedProfColumnWidths(
        app::shownProfColumnWidths(settings.profColumnWidths, english), english, settings.englishInterface());
    if (const std::string error = app::writeSettings(app::settingsFilePath(programFolder), settings); !error.empty())
        log.writeLog("Error saving 'Tabrin4.INI': " + error);
    translator.saveDictionary();
    texts.elements().clear();
    sets.elements().clear();
}

bool Workspace::loadBases(app::MessagePort& port) {
    const bool textsFound = textsDocument.load(port);
    const bool setsFound = setsDocument.load(port);
    return textsFound && setsFound;
}

bool Workspace::saveTextBase(app::MessagePort& port) { return textsDocument.save(port); }

bool Workspace::saveSetBase(app::MessagePort& port) { return setsDocument.save(port); }

bool Workspace::askToSaveModifiedBases(app::MessagePort& port) {
    return askToSaveBase(textsDocument, kTextBaseModified, translator, port) &&
           askToSaveBase(setsDocument, kSetBaseModified, translator, port);
}

}  // namespace tabrin::session
