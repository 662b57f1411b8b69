// What the main window owns for the whole run: settings, event log, interface translation, both
// bases and the profile document, with the steps of the run's start and end that need no window.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/eventlog.h"
#include "app/instancelock.h"
#include "app/language.h"
#include "app/settings.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/basedocument.h"
#include "editing/baseshistory.h"
#include "editing/profiledocument.h"
#include "model/profile.h"
#include "model/services.h"

namespace tabrin::app {
class MessagePort;
}

namespace tabrin::session {

class Workspace {
public:
    /// Reads the settings file of `programFolder`; `localeLanguage` is the language when the file
    /// names none. The interface language is fixed from then on for the run.
    Workspace(std::filesystem::path programFolder, int localeLanguage);
    ~Workspace();

    /// The start of the run: when the folder "Log" exists, the run registers there for its length;
    /// when no other run of the program folder is registered, every file in it (but names starting
    /// with ".") is deleted. The event log is opened there, a run beside another one adding to the
    /// shared log; from then on the log tells how a file had to be written unusually (see
    /// `setFileWriteNotice`). Then the interface dictionary is read.
    void start();

    /// The end of the run: writes the settings file (a failure is logged) and the interface
    /// dictionary, and empties both bases.
    void finish();

    /// Loads both bases from the program folder, each as far as its file goes. False when either
    /// file is missing.
    bool loadBases(app::MessagePort& port);

    /// Save the bases to their files; a failure is told in an error box and leaves the base modified.
    bool saveTextBase(app::MessagePort& port);
    bool saveSetBase(app::MessagePort& port);

    /// Before the program ends: asks about each modified base in turn (Yes, No or Cancel). False
    /// when the user cancels or a base could not be saved.
    bool askToSaveModifiedBases(app::MessagePort& port);

    std::filesystem::path logFolder() const { return programFolder / "Log"; }
    /// What the operations on the profile take from the run, questions and messages going to `port`.
    model::Services services(app::MessagePort& port) { return {sets, user, language, translator, port, programFolder}; }
    bool englishInterface() const { return language == app::Language::English; }

    const std::filesystem::path programFolder;
    app::Settings settings;
    const app::Language language;
    app::EventLog log;
    app::Translator translator;
    bases::TextBase texts;
    bases::SetBase sets;
    editing::TextBaseDocument textsDocument;  // the one way the pages change the bases
    editing::SetBaseDocument setsDocument;
    editing::BasesHistory basesHistory;  // what the texts and enumerations pages undo and redo
    editing::ProfileDocument document;  // the one way to change the profile
    const model::Profile& profile;      // the document's profile, to read
    std::string user;  // the name given at the last login; the author of what the user creates

private:
    std::unique_ptr<app::InstanceLock> m_instanceLock;
};

}  // namespace tabrin::session
