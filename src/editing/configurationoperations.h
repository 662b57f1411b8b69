// The configurations of a profile as the dictionary page works on them: choosing the current one,
// creating, renaming and deleting configurations, and moving or copying objects between them.
// Each change is one command of the profile document.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/dictobject.h"

namespace tabrin::app {
class EventLog;
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::editing {

class ProfileDocument;

enum class TransferKind { Move, Copy };

class ConfigurationOperations {
public:
    ConfigurationOperations(ProfileDocument& document, app::MessagePort& port, app::Translator& translator,
                            app::EventLog& log);

    /// Rename and delete are offered for every configuration but the base profile.
    static bool canRenameOrDelete(int position) { return position > 0; }

    /// Makes the configuration at `position` current.
    void select(int position);
    /// Appends "Новая конфигурация" and makes it current.
    void create();
    /// The user starts editing the name of the configuration at `position`.
    void startRename(int position);
    /// The configuration at `position` takes `name`, whatever it is.
    void rename(int position, std::string name);
    /// Asks, then deletes the current configuration with its objects; the one at the same position
    /// (or the last one) becomes current. Nothing for the base profile.
    void removeCurrent();
    /// Moves or copies `objects` (objects of the view, top to bottom) into the configuration at
    /// `target`. An address the target holds already is asked about per object.
    void transfer(const std::vector<model::ObjectSerial>& objects, int target, TransferKind kind);

private:
    const std::string& nameOf(int position) const;

    ProfileDocument& m_document;
    app::MessagePort& m_port;
    app::Translator& m_translator;
    app::EventLog& m_log;
};

}  // namespace tabrin::editing
