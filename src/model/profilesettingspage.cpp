// The page "Настройки профиля": what its group-enumeration choice, CAN-module choice, address
// fields and path fields store in the open profile.
#include "model/profilesettingspage.h"

#include <algorithm>

#include "app/cp1251.h"
#include "app/formattext.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "model/profile.h"

namespace tabrin::model {
namespace {

constexpr std::string_view kGroupSetIndex = "2534h";
constexpr std::string_view kGroupSetSubindex = "01h";
constexpr std::string_view kErrorCaption = "Ошибка";
constexpr std::string_view kPathNotStorable =
    "Путь \"%s\" нельзя сохранить в профиле: в кодировке профиля (Windows-1251) нет символа %s.";

std::string_view entryNumber(std::string_view entryText) { return entryText.substr(0, entryText.find(':')); }

std::string shownAddress(const std::string& stored, std::string_view defaultStart) {
    return cp1251::trim(stored).empty() ? std::string(defaultStart) : stored;
}

}  // namespace

std::vector<std::string> groupSetEntries(const bases::SetBase& sets, app::Language language) {
    std::vector<std::string> entries;
    for (const bases::SetBaseElement& set : sets.elements()) entries.push_back(set.displayName(language));
    return entries;
}

int groupSetEntryPosition(const std::vector<std::string>& entries, std::string_view groupSet) {
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const std::string& entry) { return entryNumber(entry) == groupSet; });
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

std::string groupSetOfEntry(std::string_view entryText) { return std::string(entryNumber(entryText)); }

std::vector<const DictObject*> groupSetObjects(const Profile& profile) {
    std::vector<const DictObject*> objects;
    for (const DictObject* object : profile.view()) {
        if (object->index == kGroupSetIndex && object->subindex == kGroupSetSubindex) objects.push_back(object);
    }
    return objects;
}

std::string canModuleLogLine(int position, std::string_view itemText) {
    return app::formatText("CAN module number changed to #%d: %s", {std::to_string(position), itemText});
}

AddressFieldsView addressFieldsView(const ProfileSettings& settings) {
    switch (settings.prefix) {
    case 1:
        return {true, shownAddress(settings.AddrComm1, kModule1Start), shownAddress(settings.AddrUser1, kModule1Start)};
    // Module 2's user part starts, like the profile file's default says, at module 1's name.
    case 2:
        return {true, shownAddress(settings.AddrComm2, kModule2Start), shownAddress(settings.AddrUser2, kModule1Start)};
    default: return {};
    }
}

bool storeAddress(ProfileSettings& settings, AddressField field, std::string_view text) {
    std::string* stored = nullptr;
    if (settings.prefix == 1) stored = field == AddressField::Comm ? &settings.AddrComm1 : &settings.AddrUser1;
    if (settings.prefix == 2) stored = field == AddressField::Comm ? &settings.AddrComm2 : &settings.AddrUser2;
    if (stored == nullptr) return false;
    *stored = std::string(text);
    return true;
}

bool storePathText(std::string& setting, std::string_view profilePath, std::string_view text,
                   app::MessagePort& port, app::Translator& translator) {
    const std::string path = app::isAbsolutePathText(text)
                                 ? app::relativePathText(app::nativePath(profilePath).parent_path(), text)
                                 : std::string(text);
    if (const std::optional<std::string> stored = app::storedPath(path)) {
        setting = *stored;
        return true;
    }
    const std::string pattern = translator.tr(kPathNotStorable);
    const std::string character = cp1251::codePointName(*cp1251::firstCharacterOutside(path));
    port.ask({translator.tr(kErrorCaption),
              app::formatText(pattern, {app::shownPath(text), character}), app::MessageButtons::Ok,
              app::MessageIcon::Warning});
    return false;
}

}  // namespace tabrin::model
