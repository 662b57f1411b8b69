// The command that removes objects from a profile and adds others; a changed object is removed
// and added again under its serial.
#include "editing/objectscommand.h"

namespace tabrin::editing {
namespace {

std::vector<model::ObjectSerial> serialsOf(const std::vector<model::DictObject>& objects) {
    std::vector<model::ObjectSerial> serials;
    serials.reserve(objects.size());
    for (const model::DictObject& object : objects) serials.push_back(object.serial);
    return serials;
}

}  // namespace

ObjectsCommand::ObjectsCommand(CommandTexts texts, std::vector<model::ObjectSerial> removed,
                               std::vector<model::DictObject> added)
    : Command(std::move(texts), ChangeKind::Objects), m_removed(std::move(removed)), m_added(std::move(added)) {}

void ObjectsCommand::redo(model::Profile& profile) {
    m_taken = takeObjects(profile, m_removed);
    insertObjects(profile, m_added);
}

void ObjectsCommand::undo(model::Profile& profile) {
    takeObjects(profile, serialsOf(m_added));
    restoreObjects(profile, std::move(m_taken));
    m_taken.clear();
}

std::vector<model::ObjectSerial> ObjectsCommand::touchedObjects(bool undone) const {
    return undone ? m_removed : serialsOf(m_added);
}

}  // namespace tabrin::editing
