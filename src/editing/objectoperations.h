// The operations of the dictionary table on objects: create, the copies, delete, renumbering the
// subindexes of a root, dragging a subindex and the path of an object. Each change is one command
// of the profile document; questions are asked once, when the command is made.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "app/messageport.h"
#include "model/dictobject.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::editing {

class ProfileDocument;
struct DictionaryFilters;

/// What the dialog "Создать элемент словаря" starts with for a template object: its index, and its
/// subindex value + 1 as two hex digits.
struct NewObjectProposal {
    std::string index;
    std::string subindex;
};
NewObjectProposal proposeNewObject(const model::DictObject& templateObject);
/// What the dialog starts with when the view has no object to take as the template: 2000h and 00h.
NewObjectProposal proposeFirstObject();

/// An entered index: spaces, "h" and "H" taken from both ends, then "h".
std::string enteredIndex(std::string_view text);
/// An entered subindex: as an index, with one "0" put in front when shorter than three characters.
std::string enteredSubindex(std::string_view text);

enum class CopyKind { Same, IndexIncrement, SubindexIncrement };

/// Which items the table's context menu shows.
struct ContextMenuItems {
    bool objectItems = false;  // Копировать, Удалить, the copies, Копировать путь к объекту
    bool textItems = false;  // Копировать, Вставить, Вырезать on the open cell editor
    bool rootItemsEnabled = false;  // Перенумеровать подындексы, Копировать с подындексами
    bool configurationMenus = false;
};
/// The menu opened on a data row or not, with a cell editor open or not, on a row whose format
/// shows "Корневой" or not, for a profile of `configurations` configurations.
ContextMenuItems contextMenuItems(bool dataRow, bool editorOpen, bool root, int configurations);

class ObjectOperations {
public:
    ObjectOperations(ProfileDocument& document, app::MessagePort& port, app::Translator& translator,
                     app::Language language);

    /// A new object after `templateObject` with the entered index and subindex, the template's
    /// group, in the current configuration; its format is not set. `templateObject` 0 is the empty
    /// template (no group), for the first object of an empty view. Returns the new object.
    model::ObjectSerial create(model::ObjectSerial templateObject, std::string_view index, std::string_view subindex);
    /// A duplicate of the object in the current configuration, its index or subindex increased as
    /// `kind` says. Returns the duplicate.
    model::ObjectSerial copy(model::ObjectSerial object, CopyKind kind);
    /// A root with the objects that follow it in its index, duplicated under `index` (the field's
    /// text; "h" is added). Nothing for an object that is no root.
    void copyWithSubindexes(model::ObjectSerial root, std::string_view index);
    /// Deletes the objects of the selected rows, top to bottom. One root alone asks whether its
    /// sub-objects go too; several objects ask whether to delete them all (No changes nothing).
    void remove(const std::vector<model::ObjectSerial>& selected);
    /// The sub-objects of a root take the subindexes 01h, 02h, ... in view order. Nothing for an
    /// object that is no root, nor for a root whose subindexes are already in that order.
    void renumberSubindexes(model::ObjectSerial root);
    /// The object dragged onto the row of `target`: within one index the subindexes between them
    /// move by one and the dragged object takes the target's. Objects of different indexes stay.
    void drag(model::ObjectSerial dragged, model::ObjectSerial target);

    /// "'group' --> 'name [2600.01]'", for the clipboard.
    std::string objectPath(model::ObjectSerial object) const;

    /// "Создать элемент словаря" takes the selected (or last) of the `shownRows` rows as its
    /// template, and an empty view the empty template. When a filter hides every object there is
    /// no template: the message that says why nothing is created.
    std::optional<app::Message> createRefusal(std::size_t shownRows) const;
    /// Dragging is refused while a filter is on; the message that says so.
    std::optional<app::Message> dragRefusal(const DictionaryFilters& filters) const;

private:
    const model::DictObject* viewObject(model::ObjectSerial serial) const;
    /// The objects after `root` in the view with its index.
    std::vector<const model::DictObject*> subObjects(const model::DictObject& root) const;
    model::DictObject newObjectFrom(const model::DictObject& source);

    ProfileDocument& m_document;
    app::MessagePort& m_port;
    app::Translator& m_translator;
    app::Language m_language;
};

}  // namespace tabrin::editing
