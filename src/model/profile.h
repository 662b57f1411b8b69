// The profile: generation settings, scale table, EDS header and the dictionary objects in a base
// profile and further configurations, with the view of the current configuration.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/language.h"
#include "model/dictobject.h"
#include "model/profilesettings.h"
#include "model/scalenumber.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class SetBase;
}

namespace tabrin::model {

struct StagedConfiguration;

/// One configuration. Objects stay sorted in object order after every change.
struct SubProfile {
    TOperationResult outcome;
    std::string name;
    std::vector<DictObject> objects;
};

/// The largest profile read from standard input.
inline constexpr std::size_t kStdinBufferSize = 0x200000;
/// Files beyond this size are refused as if memory ran out: no profile comes near it.
inline constexpr std::uintmax_t kMaxProfileFileSize = std::uintmax_t(1) << 30;

class Profile {
public:
    /// Names of configurations pass through `translator`; `language` gives the panel-enumeration default.
    Profile(app::Translator& translator, app::Language language);

    TOperationResult outcome;
    std::string path;  // a path text (app/paths.h)
    std::string text;  // the whole file as read, until `parse` takes it
    ProfileSettings settings;
    std::string header_text;  // EDS header
    std::string vendorToken;  // 8 upper-case hex digits, or empty
    std::vector<ScaleNumber> scaleNumbers;
    std::vector<SubProfile> configurations;  // position 0 is the base profile
    int CurrSubProfile = 0;

    void reset();
    /// `reset`, `readFile` and, when the file was read, `parse`. Running out of memory on the way
    /// gives code 3, "Unable to allocate memory", with the profile reset.
    TOperationResult load(const std::filesystem::path& file);
    /// Reads the whole file (or standard input for the path "stdin") into `text`; only a regular
    /// file is read. A UTF-8 text is converted to Windows-1251, or refused when it cannot be.
    TOperationResult readFile(const std::filesystem::path& file);
    /// Builds the settings, scale table and configurations from `text`, which it takes (leaving it empty).
    TOperationResult parse();
    /// Writes the profile's file; the file is replaced only when the whole file was written.
    TOperationResult save(const std::filesystem::path& file, const bases::SetBase& sets);

    /// The objects of the current configuration as the user sees them. Valid until the next change.
    const std::vector<DictObject*>& view() const { return m_view; }

    void setCurrent(int position);
    /// The view of the current configuration: the base objects it does not hide and its own objects,
    /// in object order, numbered by position. Linear in the objects of both.
    void rebuildView();
    /// A serial no object of this profile has had since it was loaded.
    ObjectSerial newSerial() { return ++m_lastSerial; }
    /// Adds to configuration `configuration` (-1: the current one); an invalid position does nothing.
    /// An object without a serial gets a new one.
    void addObject(DictObject object, int configuration = -1);
    void addObjects(std::vector<DictObject> objects, int configuration = -1);
    void deleteObject(std::string_view index, std::string_view subindex, int configuration);
    /// Removes the objects shown in view rows first .. first + count - 1, each from its own configuration.
    void deleteRows(int first, int count);
    /// The scale-coefficient objects of the view (index 2100h + k) take their defaults from
    /// coefficient k of the scale table, as a generation needs them.
    void takeScaleCoefficients();

private:
    bool isConfiguration(int position) const;
    void readSettings(const XMLNode& settingsNode);
    /// The configuration at `position` of objects read from the file: numbered, sorted, roots counted.
    SubProfile finishConfiguration(StagedConfiguration staged, int position);
    void deriveVendorToken();

    app::Translator& m_translator;
    app::Language m_language;
    std::vector<DictObject*> m_view;
    ObjectSerial m_lastSerial = 0;
};

/// A profile file's text parsed: its `root` element, or why there is none (code 5, the parser's
/// message naming `pathText` for a file that is not well-formed). The tree keeps the text, decoded
/// in place: a caller done with its text moves it in.
struct ParsedProfile {
    XMLNode root;
    TOperationResult outcome;
};
ParsedProfile parseProfileText(std::string text, std::string_view pathText, xml::ElementStream* stream = nullptr);

/// Sorts objects into object order.
void sortObjects(std::vector<DictObject>& objects);

/// The attributes of the file's `dictionary_settings` element, as saving writes them.
void writeSettings(XMLNode node, const ProfileSettings& settings, int currentConfiguration);

}  // namespace tabrin::model
