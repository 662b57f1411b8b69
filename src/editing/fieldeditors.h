// Which editor a double click on a cell of the dictionary table opens and what refuses it, which
// keys a cell editor takes, and when an editor warns that its object belongs to the base profile.
#pragma once

#include <optional>
#include <string>

#include "app/messageport.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::model {
class Profile;
struct DictObject;
}  // namespace tabrin::model

namespace tabrin::editing {

struct DictionaryRow;

enum class FieldEditor { None, CellEditor, TextPicker, FormatEditor, DescriptionEditor };

/// What a double click on a cell opens; with a refusal, nothing opens and the message is shown.
struct EditorOpening {
    FieldEditor editor = FieldEditor::None;
    std::optional<app::Message> refusal;
};

/// The editor of `column` for the object of `row`, or the first refusal that applies to it.
EditorOpening editorForDoubleClick(const DictionaryRow& row, int column, app::Translator& translator);

/// A key typed into the cell editor of `column`: the character to type (hex digits upper-cased in
/// the index and subindex columns), or nothing when the column discards it.
std::optional<char> typedCellKey(int column, char key);

/// The status-bar text warning that `object`, an object of the base profile, is edited while another
/// configuration is current; empty when no warning applies.
std::string baseObjectWarning(const model::Profile& profile, const model::DictObject& object,
                              app::Translator& translator);

}  // namespace tabrin::editing
