// The configurations of a profile as the dictionary page works on them: choosing the current one,
// creating, renaming and deleting configurations, and moving or copying objects between them.
// Each change is one command of the profile document.
#include "editing/configurationoperations.h"

#include <algorithm>

#include "app/eventlog.h"
#include "app/formattext.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "editing/configurationcommands.h"
#include "editing/objectplaces.h"
#include "editing/objectscommand.h"
#include "editing/profiledocument.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kDeleteQuestion = "Удалить конфигурацию '%s'?";
constexpr std::string_view kAddressTaken =
    "В конфигурации '%s' уже существует объект с адресом %s.%s:\r\n'%s'\r\nПродолжить?";

}  // namespace

ConfigurationOperations::ConfigurationOperations(ProfileDocument& document, app::MessagePort& port,
                                                 app::Translator& translator, app::EventLog& log)
    : m_document(document), m_port(port), m_translator(translator), m_log(log) {}

const std::string& ConfigurationOperations::nameOf(int position) const {
    return m_document.profile().configurations[static_cast<std::size_t>(position)].name;
}

void ConfigurationOperations::select(int position) {
    m_document.setCurrent(position);
    m_log.writeLog(app::formatText("Current configuration changed to: %s", {nameOf(m_document.profile().CurrSubProfile)}));
}

void ConfigurationOperations::create() {
    const model::Profile& profile = m_document.profile();
    model::SubProfile configuration;
    configuration.name = m_translator.tr("Новая конфигурация");
    const int position = static_cast<int>(profile.configurations.size());
    CommandTexts texts{app::formatText(m_translator.tr("создание конфигурации %s"), {configuration.name}),
                       app::formatText("Created new configuration: %s", {configuration.name})};
    m_document.push(std::make_unique<AddConfigurationCommand>(std::move(texts), position, std::move(configuration),
                                                              profile.CurrSubProfile));
    m_log.writeLog(app::formatText("Current configuration changed to: %s", {nameOf(position)}));
}

void ConfigurationOperations::startRename(int position) {
    if (!canRenameOrDelete(position)) return;
    m_log.writeLog(app::formatText("Renaming configuration '%s' started", {nameOf(position)}));
}

void ConfigurationOperations::rename(int position, std::string name) {
    if (!canRenameOrDelete(position) || position >= static_cast<int>(m_document.profile().configurations.size()) ||
        name == nameOf(position))
        return;
    CommandTexts texts{app::formatText(m_translator.tr("переименование конфигурации %s"), {nameOf(position)}),
                       app::formatText("Current configuration renamed to: %s", {name})};
    m_document.push(
        std::make_unique<RenameConfigurationCommand>(std::move(texts), position, nameOf(position), std::move(name)));
}

void ConfigurationOperations::removeCurrent() {
    const model::Profile& profile = m_document.profile();
    const int position = profile.CurrSubProfile;
    if (!canRenameOrDelete(position)) return;
    const app::Message question{{}, app::formatText(m_translator.tr(kDeleteQuestion), {nameOf(position)}),
                                app::MessageButtons::YesNo, app::MessageIcon::Warning};
    if (m_port.ask(question) != app::MessageAnswer::Yes) return;
    const int last = static_cast<int>(profile.configurations.size()) - 2;
    CommandTexts texts{app::formatText(m_translator.tr("удаление конфигурации %s"), {nameOf(position)}),
                       app::formatText("Configuration deleted: %s", {nameOf(position)})};
    m_document.push(
        std::make_unique<RemoveConfigurationCommand>(std::move(texts), position, position, std::min(position, last)));
    m_log.writeLog(app::formatText("Current configuration changed to: %s", {nameOf(m_document.profile().CurrSubProfile)}));
}

void ConfigurationOperations::transfer(const std::vector<model::ObjectSerial>& objects, int target, TransferKind kind) {
    const model::Profile& profile = m_document.profile();
    if (target < 0 || target >= static_cast<int>(profile.configurations.size())) return;
    std::vector<const model::DictObject*> listed;
    for (const model::ObjectSerial serial : objects) {
        if (const model::DictObject* object = findViewObject(profile, serial)) listed.push_back(object);
    }
    if (listed.empty()) return;
    const bool moving = kind == TransferKind::Move;
    const std::string doing = moving ? "moving" : "copying";
    const std::string& targetName = nameOf(target);
    const std::string request = app::formatText(
        "%d object(s) from #%s [%s.%s] to [%s.%s] are requested for %s to configuration '%s'",
        {std::to_string(listed.size()), std::to_string(listed.front()->number), listed.front()->index,
         listed.front()->subindex, listed.back()->index, listed.back()->subindex, doing, targetName});
    m_log.writeLog(request);

    // The target as it fills: what it held, and what this request has added to it.
    std::vector<const model::DictObject*> held;
    for (const model::DictObject& object : profile.configurations[static_cast<std::size_t>(target)].objects)
        held.push_back(&object);
    std::vector<model::ObjectSerial> removed;
    std::vector<model::DictObject> added;
    std::vector<std::string> lines;
    for (const model::DictObject* object : listed) {
        const auto sameAddress = [&](const model::DictObject* other) {
            return other->index == object->index && other->subindex == object->subindex;
        };
        const auto existing = std::find_if(held.begin(), held.end(), sameAddress);
        if (existing != held.end()) {
            const app::Message question{
                {},
                app::formatText(m_translator.tr(kAddressTaken), {targetName, object->index, object->subindex, (*existing)->name}),
                app::MessageButtons::YesNo,
                app::MessageIcon::Warning};
            if (m_port.ask(question) != app::MessageAnswer::Yes) {
                m_log.writeLog(app::formatText("User canceled %s object %s.%s to configuration '%s'",
                                               {doing, object->index, object->subindex, targetName}));
                continue;
            }
        }
        model::DictObject copy = *object;
        copy.configuration = target;
        if (moving)
            removed.push_back(object->serial);
        else
            copy.serial = m_document.newSerial();
        held.push_back(object);
        added.push_back(std::move(copy));
        m_log.writeLog(app::formatText("Object [%s.%s] %s to configuration '%s'",
                                       {object->index, object->subindex, moving ? "moved" : "copied", targetName}));
    }
    if (added.empty()) return;
    const bool one = added.size() == 1;
    const std::string menuText =
        one ? app::formatText(m_translator.tr(moving ? "перемещение объекта %s в '%s'" : "копирование объекта %s в '%s'"),
                              {added.front().address(), targetName})
            : app::formatText(m_translator.tr(moving ? "перемещение %d объектов в '%s'" : "копирование %d объектов в '%s'"),
                              {std::to_string(added.size()), targetName});
    m_document.push(std::make_unique<ObjectsCommand>(CommandTexts{menuText, request, false}, std::move(removed),
                                                     std::move(added)));
}

}  // namespace tabrin::editing
