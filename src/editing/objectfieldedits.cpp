// The fields of one object changed by the editors of the dictionary table: the cell editor, the
// group picker, the description editor, the text picker and the format editor. Each change is one
// command of the profile document with its log line and undo text; a change that changes nothing
// is no command.
#include "editing/objectfieldedits.h"

#include <algorithm>
#include <cctype>

#include "app/formattext.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "bases/textbaseelement.h"
#include "editing/dictionarytable.h"
#include "editing/objectoperations.h"
#include "editing/objectplaces.h"
#include "editing/objectscommand.h"
#include "editing/profiledocument.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kRootIndexQuestion =
    "Вы изменили индекс корневого элемента. Хотите сменить индекс для всех его подэлементов?";

/// What differs between the default, the minimum and the maximum.
struct ValueField {
    std::string model::DictObject::*field;
    std::string_view menuText;
    std::string_view logLine;
    std::string_view commaWarning;
};

const ValueField& valueField(int column) {
    static const ValueField kDefault{
        &model::DictObject::defaultValue, "значение по умолчанию %s",
        "Default value of object #%d [%s.%s] changed to '%s'",
        "В значении по умолчанию элемента %s.%s присутствует запятая.\nПроверьте правильность значения по умолчанию."};
    static const ValueField kMinimum{
        &model::DictObject::min, "минимум %s", "Minimum value of object #%d [%s.%s] changed to '%s'",
        "В значении минимума элемента %s.%s присутствует запятая.\nПроверьте правильность минимального значения."};
    static const ValueField kMaximum{
        &model::DictObject::max, "максимум %s", "Maximum value of object #%d [%s.%s] changed to '%s'",
        "В значении максимума элемента %s.%s присутствует запятая.\nПроверьте правильность максимального значения."};
    return column == kMinimumColumn ? kMinimum : column == kMaximumColumn ? kMaximum : kDefault;
}

std::string numberText(const model::DictObject& object) { return std::to_string(object.number); }

}  // namespace

std::optional<std::string> editedSubindex(std::string_view text) {
    std::string subindex(text);
    std::transform(subindex.begin(), subindex.end(), subindex.begin(),
                   [](char c) { return c >= 'a' && c <= 'f' ? static_cast<char>(std::toupper(c)) : c; });
    subindex = subindex.substr(0, subindex.find('h')) + "h";
    if (subindex.size() > 3) return std::nullopt;
    if (subindex.size() < 3) subindex.insert(0, "0");
    return subindex;
}

std::string storedDescription(std::string_view lines) {
    if (!lines.empty() && lines.back() == '\n') lines.remove_suffix(1);  // no empty line after the last
    if (lines.empty()) return {};
    std::string stored;
    std::size_t begin = 0;
    for (std::size_t end = lines.find('\n');; end = lines.find('\n', begin)) {
        stored.append(lines.substr(begin, end - begin)).append("\r\n");
        if (end == std::string_view::npos) break;
        begin = end + 1;
    }
    return stored;
}

std::string shownDescription(std::string_view stored) {
    std::string shown;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
        shown.push_back(stored[i]);
    }
    if (!shown.empty() && shown.back() == '\n') shown.pop_back();
    return shown;
}

ObjectFieldEdits::ObjectFieldEdits(ProfileDocument& document, app::MessagePort& port, app::Translator& translator)
    : m_document(document), m_port(port), m_translator(translator) {}

const model::DictObject* ObjectFieldEdits::viewObject(model::ObjectSerial serial) const {
    return findViewObject(m_document.profile(), serial);
}

void ObjectFieldEdits::applyCell(model::ObjectSerial serial, int column, std::string_view text, ValueDisplayMode mode) {
    const model::DictObject* object = viewObject(serial);
    if (object == nullptr) return;
    switch (column) {
    case kIndexColumn: applyIndex(*object, text); break;
    case kSubindexColumn: applySubindex(*object, text); break;
    case kDefaultColumn:
    case kMinimumColumn:
    case kMaximumColumn: applyValue(*object, column, text, mode); break;
    case kAddressColumn: {
        model::DictObject edited = *object;
        edited.addr = text;
        change(*object, std::move(edited), "адрес переменной %s",
               app::formatText("Address of variable for object #%d [%s.%s] changed to '%s'",
                               {numberText(*object), object->index, object->subindex, text}));
        break;
    }
    case kCallbackColumn: {
        model::DictObject edited = *object;
        edited.callback = text;
        change(*object, std::move(edited), "callback %s",
               app::formatText("Callback function of object #%d [%s.%s] changed to '%s'",
                               {numberText(*object), object->index, object->subindex, text}));
        break;
    }
    default: break;
    }
}

void ObjectFieldEdits::applyIndex(const model::DictObject& object, std::string_view text) {
    const std::string index = enteredIndex(text);
    if (index == object.index) return;
    std::string logLine = app::formatText("Address of object #%d [%s.%s] changed to %s.%s",
                                          {numberText(object), object.index, object.subindex, index, object.subindex});
    std::vector<model::DictObject> edited{object};
    if (object.isRoot()) {
        const app::Message question{m_translator.tr("Внимание"), m_translator.tr(kRootIndexQuestion),
                                    app::MessageButtons::YesNo, app::MessageIcon::Question};
        if (m_port.ask(question) == app::MessageAnswer::Yes) {
            for (const model::DictObject* member : sameIndexFollowers(m_document.profile(), object))
                edited.push_back(*member);
            logLine += ". The index of it's subindexes was also changed";
        }
    }
    for (model::DictObject& changed : edited) changed.index = index;
    push({app::formatText(m_translator.tr("индекс %s"), {object.address()}), std::move(logLine)}, std::move(edited));
}

void ObjectFieldEdits::applySubindex(const model::DictObject& object, std::string_view text) {
    const std::optional<std::string> subindex = editedSubindex(text);
    if (!subindex || *subindex == object.subindex) return;
    model::DictObject edited = object;
    edited.subindex = *subindex;
    change(object, std::move(edited), "подындекс %s",
           app::formatText("Address of object #%d [%s.%s] changed to %s.%s",
                           {numberText(object), object.index, object.subindex, object.index, *subindex}));
}

void ObjectFieldEdits::applyValue(const model::DictObject& object, int column, std::string_view text,
                                  ValueDisplayMode mode) {
    const ValueField& field = valueField(column);
    const std::string stored = storedValueText(object, text, mode, m_document.profile().scaleNumbers);
    if (stored.find(',') != std::string::npos) {
        m_port.ask({m_translator.tr("Внимание"),
                    app::formatText(m_translator.tr(field.commaWarning), {object.index, object.subindex}),
                    app::MessageButtons::Ok, app::MessageIcon::Warning});
    }
    if (stored == object.*field.field) return;
    model::DictObject edited = object;
    edited.*field.field = stored;
    change(object, std::move(edited), field.menuText,
           app::formatText(field.logLine, {numberText(object), object.index, object.subindex, stored}));
}

void ObjectFieldEdits::chooseGroup(model::ObjectSerial serial, int position, std::string_view itemText) {
    const model::DictObject* object = viewObject(serial);
    if (object == nullptr) return;
    const std::string group = std::to_string(position);
    std::vector<model::DictObject> edited{*object};
    for (const model::DictObject* member : sameIndexFollowers(m_document.profile(), *object)) edited.push_back(*member);
    if (std::all_of(edited.begin(), edited.end(),
                    [&](const model::DictObject& member) { return member.group == group; }))
        return;
    for (model::DictObject& changed : edited) {
        changed.group = group;
        changed.groupName = itemText;
    }
    push({app::formatText(m_translator.tr("группа %s"), {object->address()}),
          app::formatText("Group of object #%d [%s.%s] changed to '%s'",
                          {numberText(*object), object->index, object->subindex, itemText})},
         std::move(edited));
}

void ObjectFieldEdits::setDescription(model::ObjectSerial serial, std::string_view lines) {
    const model::DictObject* object = viewObject(serial);
    if (object == nullptr) return;
    model::DictObject edited = *object;
    edited.description = storedDescription(lines);
    const std::string logLine =
        app::formatText("Description of object #%d [%s.%s] changed to '%s'",
                        {numberText(*object), object->index, object->subindex, edited.description});
    change(*object, std::move(edited), "описание %s", logLine);
}

void ObjectFieldEdits::chooseText(model::ObjectSerial serial, const bases::TextBaseElement& text) {
    const model::DictObject* object = viewObject(serial);
    if (object == nullptr) return;
    model::DictObject edited = *object;
    edited.textID = text.textid;
    edited.name = text.trus;
    edited.nameEng = text.teng;
    edited.text = text.text;
    change(*object, std::move(edited), "текст %s",
           app::formatText("Text of object #%d [%s.%s] changed to '%s' (%s)",
                           {numberText(*object), object->index, object->subindex,
                            text.trus.empty() ? text.teng : text.trus, text.textid}));
}

void ObjectFieldEdits::setFormat(model::ObjectSerial serial, const model::DictObject& formatted, std::string logLine) {
    const model::DictObject* object = viewObject(serial);
    if (object == nullptr) return;
    change(*object, formatted, "формат %s", std::move(logLine));
}

void ObjectFieldEdits::change(const model::DictObject& object, model::DictObject edited, std::string_view menuText,
                              std::string logLine) {
    if (edited == object) return;
    push({app::formatText(m_translator.tr(menuText), {object.address()}), std::move(logLine)}, {std::move(edited)});
}

void ObjectFieldEdits::push(CommandTexts texts, std::vector<model::DictObject> edited) {
    std::vector<model::ObjectSerial> serials;
    for (const model::DictObject& object : edited) serials.push_back(object.serial);
    m_document.push(std::make_unique<ObjectsCommand>(std::move(texts), std::move(serials), std::move(edited)));
}

}  // namespace tabrin::editing
