// "Генерировать всё": the controller file of every configuration after the base profile, for each
// CAN module of the controller, written into one folder. The window's button and the command-line
// tool share it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/services.h"

namespace tabrin::bases {
class TextBase;
}
namespace tabrin::model {
class Profile;
struct ProfileSettings;
}  // namespace tabrin::model

namespace tabrin::session {

/// The CAN modules of a controller: both CANopen modules (1 and 2) when the profile names one of
/// them, else the single module 0.
std::vector<int> controllerModules(const model::ProfileSettings& settings);

/// What became of one configuration under one CAN module.
enum class ConfigurationOutcome {
    Written,    // the file was written
    Refused,    // the check before generation failed: nothing is written for the configuration
    Failed,     // the generation or the writing failed; `detail` says why
    NameTaken,  // an earlier configuration of the run wrote a file of that name; `detail` names it
};

struct ConfigurationFile {
    int configuration = 0;  // its position
    std::string name;       // the configuration's name, Windows-1251
    int module = 0;
    std::string fileName;  // "vost1_Nasos_2.c": the module's file with the transliterated name
    std::filesystem::path path;  // the file in the folder of the run
    ConfigurationOutcome outcome = ConfigurationOutcome::Written;
    std::string detail;  // Windows-1251
};

/// Told of every outcome in order; `text` is the file's text when it was written, else empty.
using ConfigurationFileListener = std::function<void(const ConfigurationFile& file, std::string_view text)>;

/// For every configuration after the base profile, in order, and each of `modules`: the controller
/// file of the configuration's view as `generateControllerFile` makes it with that configuration
/// current and that module set, its text written to `fileName` in `folder` (a file is replaced
/// only when the whole text was written). Each configuration's view is built in a copy of
/// `profile`, its objects filled from `texts` and the scale-coefficient objects from the scale
/// table as opening and generating do; `profile` itself stays as it was. The check asks its
/// questions once per configuration: the later modules take the answers given for the first. A
/// configuration the check refuses is reported once and not tried under its other modules.
std::vector<ConfigurationFile> generateAllConfigurations(const model::Profile& profile, const bases::TextBase& texts,
                                                         const model::Services& services,
                                                         const std::vector<int>& modules,
                                                         const std::filesystem::path& folder,
                                                         const ConfigurationFileListener& listener = {});

}  // namespace tabrin::session
