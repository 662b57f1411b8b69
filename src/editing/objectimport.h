// Importing objects from another profile file: the vendor-token question, the objects of the
// file's base profile in file order with their names from this installation's text base, the copy
// kept in the log folder, and the selected rows added to the current configuration as one command.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/messageport.h"
#include "model/dictobject.h"

namespace tabrin::app {
class EventLog;
class Translator;
}  // namespace tabrin::app
namespace tabrin::bases {
class SetBase;
class TextBase;
}  // namespace tabrin::bases

namespace tabrin::editing {

class ProfileDocument;

inline constexpr int kImportColumns = 7;

/// The question asked before importing from a profile whose vendor-token default (the text of its
/// 2600h.01h default, as read with an automatic base) differs from the installation's token (hex
/// digits, possibly empty); nothing when they agree.
std::optional<app::Message> vendorTokenQuestion(const std::string& importedDefault, const std::string& installationToken,
                                                app::Translator& translator);

/// The name of the copy of `file` kept in `logFolder`: its name without the first ".xml", "_n"
/// with the smallest n ≥ 1 not yet taken, and ".xml".
std::filesystem::path importCopyPath(const std::filesystem::path& logFolder, const std::filesystem::path& file);

class ObjectImport {
public:
    ObjectImport(ProfileDocument& document, app::MessagePort& port, app::Translator& translator, app::EventLog& log,
                 app::Language language);

    /// Reads the base profile of `file` (a path text), after the vendor-token question against
    /// `installationToken`. A file that is no profile is told through the port and keeps the list
    /// as it was; so does a No to the question. True when the list was read.
    bool open(const std::string& file, const std::string& installationToken, const std::filesystem::path& logFolder,
              const bases::TextBase& texts);
    /// The file the list was read from.
    const std::string& file() const { return m_file; }
    const std::vector<model::DictObject>& objects() const { return m_objects; }

    /// The rows of the import table for the open profile's group enumeration in `sets`.
    std::vector<std::array<std::string, kImportColumns>> rows(const bases::SetBase& sets) const;
    std::array<std::string, kImportColumns> headers() const;

    /// Adds the objects of rows `first` to `last` of the list to the current configuration.
    void import(int first, int last);

private:
    void keepCopy(const std::string& file, const std::filesystem::path& logFolder);

    ProfileDocument& m_document;
    app::MessagePort& m_port;
    app::Translator& m_translator;
    app::EventLog& m_log;
    app::Language m_language;
    std::string m_file;
    std::vector<model::DictObject> m_objects;
};

}  // namespace tabrin::editing
