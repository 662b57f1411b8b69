// The fields of one object changed by the editors of the dictionary table: the cell editor, the
// group picker, the description editor, the text picker and the format editor. Each change is one
// command of the profile document with its log line and undo text; a change that changes nothing
// is no command.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editing/valuecells.h"
#include "model/dictobject.h"

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app
namespace tabrin::bases {
struct TextBaseElement;
}

namespace tabrin::editing {

class ProfileDocument;
struct CommandTexts;

/// A subindex typed into the cell editor: hex letters upper-cased, "h" appended and the text cut
/// after its first "h", one "0" put in front when shorter than three characters ("5" gives "05h",
/// "" gives "0h"); nothing when longer than three characters.
std::optional<std::string> editedSubindex(std::string_view text);

/// Description lines as a multi-line field holds them ("\n" between lines) in the stored form:
/// every line, the last one included, ends with CR LF.
std::string storedDescription(std::string_view lines);
/// The stored description as a multi-line field shows it.
std::string shownDescription(std::string_view stored);

class ObjectFieldEdits {
public:
    ObjectFieldEdits(ProfileDocument& document, app::MessagePort& port, app::Translator& translator);

    /// The text of the cell editor of `column` applied with Enter; values and limits are typed in
    /// the table's display mode `mode`.
    void applyCell(model::ObjectSerial object, int column, std::string_view text, ValueDisplayMode mode);
    /// Item `position` of the group list, named `itemText`, chosen for the object and its sub-objects.
    void chooseGroup(model::ObjectSerial object, int position, std::string_view itemText);
    /// The description editor saved `lines`.
    void setDescription(model::ObjectSerial object, std::string_view lines);
    /// The text picker chose `text` for the object.
    void chooseText(model::ObjectSerial object, const bases::TextBaseElement& text);
    /// The format editor confirmed `formatted`: the object with its new format fields, logged with `logLine`.
    void setFormat(model::ObjectSerial object, const model::DictObject& formatted, std::string logLine);

private:
    void applyIndex(const model::DictObject& object, std::string_view text);
    void applySubindex(const model::DictObject& object, std::string_view text);
    void applyValue(const model::DictObject& object, int column, std::string_view text, ValueDisplayMode mode);
    /// The object changed as `edited` has it, in one command named by `menuText` (translated, with
    /// the object's address) and `logLine`.
    void change(const model::DictObject& object, model::DictObject edited, std::string_view menuText,
                std::string logLine);
    void push(CommandTexts texts, std::vector<model::DictObject> edited);
    const model::DictObject* viewObject(model::ObjectSerial serial) const;

    ProfileDocument& m_document;
    app::MessagePort& m_port;
    app::Translator& m_translator;
};

}  // namespace tabrin::editing
