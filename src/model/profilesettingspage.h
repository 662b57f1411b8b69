// The page "Настройки профиля": what its group-enumeration choice, CAN-module choice, address
// fields and path fields store in the open profile, and what they show.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "model/profilesettings.h"

namespace tabrin::app {
class EventLog;
class MessagePort;
class Translator;
}  // namespace tabrin::app
namespace tabrin::bases {
class SetBase;
}

namespace tabrin::model {

class Profile;
struct DictObject;

/// The entries of the group-enumeration box: the display name of every enumeration, in base order.
std::vector<std::string> groupSetEntries(const bases::SetBase& sets, app::Language language);

/// The position of the entry whose text before ":" is `groupSet`, or -1.
int groupSetEntryPosition(const std::vector<std::string>& entries, std::string_view groupSet);

/// The enumeration number a group-enumeration entry ("12: Выкл/Вкл") names: its text before the
/// first ":". Choosing the entry makes it `group_set`, and the objects of `groupSetObjects` take it
/// as their default.
std::string groupSetOfEntry(std::string_view entryText);

/// The objects of the current view that keep the group enumeration's number (2534h.01h).
std::vector<const DictObject*> groupSetObjects(const Profile& profile);

/// The log line of a change of the CAN module (0 single module, 1 first, 2 second) to `position`,
/// the chosen item's text being `itemText`.
std::string canModuleLogLine(int position, std::string_view itemText);

enum class AddressField { Comm, User };

/// What the two address fields show: disabled and empty for a single-module processor; for module
/// 1 or 2 that module's stored addresses, where a blank one shows the name of its default start.
struct AddressFieldsView {
    bool enabled = false;
    std::string comm;
    std::string user;

    bool operator==(const AddressFieldsView&) const = default;
};

AddressFieldsView addressFieldsView(const ProfileSettings& settings);

/// Enter in an address field stores its text for the chosen module. Returns false, storing
/// nothing, for a single-module processor.
bool storeAddress(ProfileSettings& settings, AddressField field, std::string_view text);

/// A path field's text typed or chosen (a path text, app/paths.h) stored in `setting` as the profile
/// file holds it: an absolute path becomes relative to the folder of the profile file at
/// `profilePath`, any other text is kept as it is, and the result is Windows-1251. A path holding a
/// character that the code page lacks would name another file: it is not stored, the user is told
/// why, and the result is false.
bool storePathText(std::string& setting, std::string_view profilePath, std::string_view text,
                   app::MessagePort& port, app::Translator& translator);

}  // namespace tabrin::model
