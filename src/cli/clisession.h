// The home's bases and translation, and a profile opened the way the window opens it.
#pragma once

#include <filesystem>
#include <optional>

#include "app/consolemessageport.h"
#include "app/eventlog.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "cli/clicontext.h"
#include "editing/profiledocument.h"
#include "model/services.h"

namespace tabrin::cli {

class CliSession {
public:
    /// Messages go to the context's error stream; questions are answered Yes.
    explicit CliSession(CliContext& context);

    /// Loads both bases of the home; false (told on the error stream) when one is missing or unreadable.
    bool loadBases();

    /// Loads the profile (false, told with the outcome's code and message, when that fails),
    /// accepts its origin, prepares it as opening it in the window does, and selects
    /// `configuration` (default: the profile's own current one).
    bool openProfile(const std::string& file, std::optional<int> configuration);

    /// Loads the profile without anything opening would change. The file is a path text, or "-"
    /// for standard input: the profile's path is then "stdin", and its relative folders are taken
    /// from the working folder.
    bool loadProfile(const std::string& file);

    const model::Profile& profile() const { return m_document.profile(); }
    editing::ProfileDocument& document() { return m_document; }
    bases::TextBase& texts() { return m_texts; }
    const bases::SetBase& sets() const { return m_sets; }
    app::Translator& translator() { return m_translator; }
    app::MessagePort& port() { return m_port; }
    /// What the operations on the profile take from the tool's run: the home's enumeration base,
    /// the context's user and language, the home as program folder; questions are answered Yes.
    model::Services services() {
        return {m_sets, m_context.user, m_context.language, m_translator, m_port, m_context.home};
    }

private:
    CliContext& m_context;
    app::ConsoleMessagePort m_port;
    app::Translator m_translator;
    bases::TextBase m_texts;
    bases::SetBase m_sets;
    app::EventLog m_log;  // never opened: the tool keeps no event log
    editing::ProfileDocument m_document;
};

}  // namespace tabrin::cli
