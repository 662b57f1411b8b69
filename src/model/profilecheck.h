// The check of a profile's current view before generation: duplicate and malformed addresses,
// format words, bit-field ranges, the root and sub-index structure and group numbers.
#pragma once

#include <string>

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app
namespace tabrin::bases {
class SetBase;
}

namespace tabrin::model {

class Profile;

/// Tests the objects of the profile's current view in view order; `sets` gives the group
/// enumeration named by the profile's `group_set`. Returns whether the view passed.
///
/// Interactive mode asks a Yes/No question through `port` about every fault: Yes lists the
/// remaining faults, No ends the check; either way a fault fails it. Group numbers outside the
/// group enumeration (every group, when the base has no such enumeration) only warn, and never
/// fail the check; answering No to a warning silences the following ones. Silent mode asks
/// nothing and ends at the first fault. The profile is never changed.
bool checkProfile(const Profile& profile, const bases::SetBase& sets, bool silent, app::MessagePort& port,
                  app::Translator& translator);

/// The caption of the group-number warning, translated; every other question of the check is an error.
std::string groupWarningCaption(app::Translator& translator);

}  // namespace tabrin::model
