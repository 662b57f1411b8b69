// The commands of the settings page and the EDS page: generation settings and the EDS header.
#include "editing/settingscommands.h"

#include <vector>

#include "app/translator.h"
#include "editing/commandsequence.h"
#include "editing/objectscommand.h"
#include "model/profile.h"
#include "model/profilesettingspage.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kSettingsText = "изменение настроек профиля";
constexpr std::string_view kSettingsLogLine = "Profile settings changed";
constexpr std::string_view kHeaderText = "изменение шапки EDS-файла";
constexpr std::string_view kHeaderLogLine = "EDS header changed";

CommandTexts settingsTexts(app::Translator& translator) {
    return {translator.tr(kSettingsText), std::string(kSettingsLogLine), false};
}

}  // namespace

std::unique_ptr<SettingsCommand> changedSettings(const model::Profile& profile, CommandTexts texts,
                                                 const std::function<void(model::ProfileSettings&)>& change,
                                                 int typingSession) {
    model::ProfileSettings after = profile.settings;
    change(after);
    return std::make_unique<SettingsCommand>(std::move(texts), profile.settings, std::move(after), typingSession);
}

std::unique_ptr<Command> settingsFieldChange(const model::Profile& profile,
                                             const std::function<void(model::ProfileSettings&)>& change,
                                             app::Translator& translator, int typingSession) {
    return changedSettings(profile, settingsTexts(translator), change, typingSession);
}

std::unique_ptr<Command> groupSetChoice(const model::Profile& profile, std::string_view entryText,
                                        app::Translator& translator) {
    const std::string groupSet = model::groupSetOfEntry(entryText);
    std::vector<std::unique_ptr<Command>> steps;
    steps.push_back(changedSettings(profile, settingsTexts(translator),
                                    [&](model::ProfileSettings& settings) { settings.group_set = groupSet; }));
    std::vector<model::ObjectSerial> changed;
    std::vector<model::DictObject> updated;
    for (const model::DictObject* object : model::groupSetObjects(profile)) {
        changed.push_back(object->serial);
        updated.push_back(*object);
        updated.back().defaultValue = groupSet;
    }
    if (!changed.empty())
        steps.push_back(
            std::make_unique<ObjectsCommand>(settingsTexts(translator), std::move(changed), std::move(updated)));
    return std::make_unique<CommandSequence>(settingsTexts(translator), std::move(steps));
}

std::unique_ptr<Command> canModuleChoice(const model::Profile& profile, int position, std::string_view itemText,
                                         app::Translator& translator) {
    if (position == profile.settings.prefix) return nullptr;
    return changedSettings(profile,
                           {translator.tr(kSettingsText), model::canModuleLogLine(position, itemText)},
                           [&](model::ProfileSettings& settings) { settings.prefix = position; });
}

std::unique_ptr<Command> edsHeaderChange(const model::Profile& profile, std::string text, int typingSession,
                                         app::Translator& translator) {
    return std::make_unique<EdsHeaderCommand>(
        CommandTexts{translator.tr(kHeaderText), std::string(kHeaderLogLine), false}, profile.header_text,
        std::move(text), typingSession);
}

}  // namespace tabrin::editing
