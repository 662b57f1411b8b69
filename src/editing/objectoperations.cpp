// The operations of the dictionary table on objects: create, the copies, delete, renumbering the
// subindexes of a root, dragging a subindex and the path of an object. Each change is one command
// of the profile document; questions are asked once, when the command is made.
#include "editing/objectoperations.h"

#include "app/formattext.h"
#include "app/translator.h"
#include "editing/dictionarytable.h"
#include "editing/objectplaces.h"
#include "editing/objectscommand.h"
#include "editing/profiledocument.h"
#include "model/numbertext.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kAttention = "Внимание";
constexpr std::string_view kDeleteRoot = "Вы собираетесь удалить корневой элемент. Удалить все его подындексы?";
constexpr std::string_view kDeleteSeveral = "Выделено несколько объектов. Хотите удалить их все?";
constexpr std::string_view kCreateRefused =
    "Фильтр скрывает все строки словаря, а новый элемент создаётся по образцу выделенной строки. Выключите или "
    "измените фильтр (по группе и по диапазону).";
constexpr std::string_view kDragRefused =
    "\"Перетаскивание\" подындексов возможно только при выключенных фильтрах (по группе и по диапазону).";

std::string numberText(const model::DictObject& object) { return std::to_string(object.number); }

std::string trimmedAddress(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" hH");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" hH") - first + 1));
}

std::string incremented(const std::string& text, int digits) {
    return model::numberToHexText(model::hexTextToNumber(text) + 1, digits);
}

}  // namespace

NewObjectProposal proposeNewObject(const model::DictObject& templateObject) {
    return {templateObject.index, incremented(templateObject.subindex, 2)};
}

NewObjectProposal proposeFirstObject() { return {"2000h", "00h"}; }

std::string enteredIndex(std::string_view text) { return trimmedAddress(text) + "h"; }

std::string enteredSubindex(std::string_view text) {
    std::string subindex = trimmedAddress(text) + "h";
    if (subindex.size() < 3) subindex.insert(0, "0");
    return subindex;
}

ContextMenuItems contextMenuItems(bool dataRow, bool editorOpen, bool root, int configurations) {
    if (!dataRow) return {};
    if (editorOpen) return {false, true, false, false};
    return {true, false, root, configurations > 1};
}

ObjectOperations::ObjectOperations(ProfileDocument& document, app::MessagePort& port, app::Translator& translator,
                                   app::Language language)
    : m_document(document), m_port(port), m_translator(translator), m_language(language) {}

const model::DictObject* ObjectOperations::viewObject(model::ObjectSerial serial) const {
    return findViewObject(m_document.profile(), serial);
}

std::vector<const model::DictObject*> ObjectOperations::subObjects(const model::DictObject& root) const {
    return sameIndexFollowers(m_document.profile(), root);
}

model::DictObject ObjectOperations::newObjectFrom(const model::DictObject& source) {
    model::DictObject object = source;
    object.configuration = m_document.profile().CurrSubProfile;
    object.serial = m_document.newSerial();
    return object;
}

model::ObjectSerial ObjectOperations::create(model::ObjectSerial templateObject, std::string_view index,
                                             std::string_view subindex) {
    static const model::DictObject kEmptyTemplate;
    const model::DictObject* source = templateObject == 0 ? &kEmptyTemplate : viewObject(templateObject);
    if (source == nullptr) return 0;
    // Its format stays unset (no format word) until the format editor sets one.
    model::DictObject created = newObjectFrom(model::DictObject());
    created.index = enteredIndex(index);
    created.subindex = enteredSubindex(subindex);
    created.group = source->group;
    created.groupName = source->groupName;
    const model::ObjectSerial serial = created.serial;
    CommandTexts texts{app::formatText(m_translator.tr("создание объекта %s"), {created.address()}),
                       app::formatText("New object added: %s.%s", {created.index, created.subindex})};
    m_document.push(std::make_unique<ObjectsCommand>(std::move(texts), std::vector<model::ObjectSerial>{},
                                                     std::vector<model::DictObject>{std::move(created)}));
    return serial;
}

model::ObjectSerial ObjectOperations::copy(model::ObjectSerial object, CopyKind kind) {
    const model::DictObject* source = viewObject(object);
    if (source == nullptr) return 0;
    model::DictObject duplicate = newObjectFrom(*source);
    std::string menuText = "копирование объекта %s";
    std::string logLine = "Object #%s [%s.%s] copied via context menu";
    if (kind == CopyKind::IndexIncrement) {
        duplicate.index = incremented(source->index, 4);
        menuText = "копирование объекта %s с инкрементом индекса";
        logLine = "Object #%s [%s.%s] was copied with increment of index via context menu";
    } else if (kind == CopyKind::SubindexIncrement) {
        duplicate.subindex = incremented(source->subindex, 2);
        menuText = "копирование объекта %s с инкрементом подындекса";
        logLine = "Object #%s [%s.%s] was copied with increment of subindex via context menu";
    }
    const model::ObjectSerial serial = duplicate.serial;
    CommandTexts texts{app::formatText(m_translator.tr(menuText), {source->address()}),
                       app::formatText(logLine, {numberText(*source), source->index, source->subindex})};
    m_document.push(std::make_unique<ObjectsCommand>(std::move(texts), std::vector<model::ObjectSerial>{},
                                                     std::vector<model::DictObject>{std::move(duplicate)}));
    return serial;
}

void ObjectOperations::copyWithSubindexes(model::ObjectSerial root, std::string_view index) {
    const model::DictObject* source = viewObject(root);
    if (source == nullptr || !source->isRoot()) return;
    const std::string newIndex = std::string(index) + "h";
    std::vector<const model::DictObject*> family = subObjects(*source);
    family.insert(family.begin(), source);
    std::vector<model::DictObject> duplicates;
    for (const model::DictObject* object : family) {
        duplicates.push_back(newObjectFrom(*object));
        duplicates.back().index = newIndex;
    }
    CommandTexts texts{
        app::formatText(m_translator.tr("копирование объекта %s с подындексами"), {source->address()}),
        app::formatText("Root object #%d [%s.%s] and it's subitems were copied to index %s via context menu",
                        {numberText(*source), source->index, source->subindex, newIndex})};
    m_document.push(
        std::make_unique<ObjectsCommand>(std::move(texts), std::vector<model::ObjectSerial>{}, std::move(duplicates)));
}

void ObjectOperations::remove(const std::vector<model::ObjectSerial>& selected) {
    std::vector<const model::DictObject*> doomed;
    for (const model::ObjectSerial serial : selected) {
        if (const model::DictObject* object = viewObject(serial)) doomed.push_back(object);
    }
    if (doomed.empty()) return;
    const model::DictObject& first = *doomed.front();
    CommandTexts texts;
    if (doomed.size() == 1 && first.isRoot()) {
        const app::Message question{m_translator.tr(kAttention), m_translator.tr(kDeleteRoot), app::MessageButtons::YesNo,
                                    app::MessageIcon::Question};
        if (m_port.ask(question) == app::MessageAnswer::Yes) {
            const std::vector<const model::DictObject*> members = subObjects(first);
            doomed.insert(doomed.end(), members.begin(), members.end());
        }
        texts.logLine = app::formatText("Root object #%d [%s.%s] %s deleted via context menu",
                                        {numberText(first), first.index, first.subindex,
                                         doomed.size() > 1 ? "(and it's subindexes)" : "(without it's subindexes)"});
    } else if (doomed.size() == 1) {
        texts.logLine = app::formatText("Object #%d [%s.%s] deleted via context menu",
                                        {numberText(first), first.index, first.subindex});
    } else {
        const app::Message question{m_translator.tr(kAttention), m_translator.tr(kDeleteSeveral), app::MessageButtons::YesNo,
                                    app::MessageIcon::Question};
        if (m_port.ask(question) != app::MessageAnswer::Yes) return;
        const model::DictObject& last = *doomed.back();
        texts.logLine = app::formatText(
            "%d object(s) deleted via context menu: from #%d [%s.%s] to [%s.%s]",
            {std::to_string(doomed.size()), numberText(first), first.index, first.subindex, last.index, last.subindex});
    }
    if (doomed.size() == 1) {
        texts.menuText = app::formatText(m_translator.tr("удаление объекта %s"), {first.address()});
    } else {
        // Russian counts: 21 объекта, 4 объектов, 11 объектов.
        const bool singular = doomed.size() % 10 == 1 && doomed.size() % 100 != 11;
        texts.menuText = app::formatText(m_translator.tr(singular ? "удаление %d объекта" : "удаление %d объектов"),
                                         {std::to_string(doomed.size())});
    }
    std::vector<model::ObjectSerial> serials;
    for (const model::DictObject* object : doomed) serials.push_back(object->serial);
    m_document.push(
        std::make_unique<ObjectsCommand>(std::move(texts), std::move(serials), std::vector<model::DictObject>{}));
}

void ObjectOperations::renumberSubindexes(model::ObjectSerial root) {
    const model::DictObject* source = viewObject(root);
    if (source == nullptr || !source->isRoot()) return;
    std::vector<model::ObjectSerial> changed;
    std::vector<model::DictObject> renumbered;
    std::uint32_t subindex = 0;
    for (const model::DictObject* member : subObjects(*source)) {
        const std::string wanted = model::numberToHexText(++subindex, 2);
        if (member->subindex == wanted) continue;
        changed.push_back(member->serial);
        renumbered.push_back(*member);
        renumbered.back().subindex = wanted;
    }
    if (changed.empty()) return;
    CommandTexts texts{app::formatText(m_translator.tr("перенумерация подындексов %s"), {source->index}),
                       app::formatText("Subitems of root object #%d [%s.%s] were renumbered via context menu",
                                       {numberText(*source), source->index, source->subindex})};
    m_document.push(std::make_unique<ObjectsCommand>(std::move(texts), std::move(changed), std::move(renumbered)));
}

void ObjectOperations::drag(model::ObjectSerial dragged, model::ObjectSerial target) {
    const model::DictObject* moved = viewObject(dragged);
    const model::DictObject* onto = viewObject(target);
    if (moved == nullptr || onto == nullptr || moved == onto || moved->index != onto->index) return;
    const auto& view = m_document.profile().view();
    const int from = moved->number;
    const int to = onto->number;
    // Between the two rows each object takes the subindex of its neighbour towards the dragged one.
    const int step = to < from ? 1 : -1;
    std::vector<model::ObjectSerial> changed;
    std::vector<model::DictObject> shifted;
    for (int position = to; position != from; position += step) {
        const model::DictObject& object = *view[static_cast<std::size_t>(position)];
        changed.push_back(object.serial);
        shifted.push_back(object);
        shifted.back().subindex = view[static_cast<std::size_t>(position + step)]->subindex;
    }
    changed.push_back(moved->serial);
    shifted.push_back(*moved);
    shifted.back().subindex = onto->subindex;
    CommandTexts texts{app::formatText(m_translator.tr("перемещение подындекса %s"), {moved->address()}),
                       app::formatText("Subindex of object #%d [%s.%s] changed to %s (by mouse dragging)",
                                       {std::to_string(from), moved->index, moved->subindex, onto->subindex})};
    m_document.push(std::make_unique<ObjectsCommand>(std::move(texts), std::move(changed), std::move(shifted)));
}

std::string ObjectOperations::objectPath(model::ObjectSerial object) const {
    const model::DictObject* source = viewObject(object);
    if (source == nullptr) return {};
    const auto withoutLast = [](const std::string& text) { return text.substr(0, text.empty() ? 0 : text.size() - 1); };
    return app::formatText("'%s' --> '%s [%s.%s]'",
                           {source->groupName, m_language == app::Language::English ? source->nameEng : source->name,
                            withoutLast(source->index), withoutLast(source->subindex)});
}

std::optional<app::Message> ObjectOperations::createRefusal(std::size_t shownRows) const {
    if (shownRows > 0 || m_document.profile().view().empty()) return std::nullopt;
    return app::Message{m_translator.tr("Ошибка"), m_translator.tr(kCreateRefused), app::MessageButtons::Ok,
                        app::MessageIcon::Warning};
}

std::optional<app::Message> ObjectOperations::dragRefusal(const DictionaryFilters& filters) const {
    if (!filters.rangeOn && !filters.groupOn) return std::nullopt;
    return app::Message{m_translator.tr("Ошибка"), m_translator.tr(kDragRefused), app::MessageButtons::Ok,
                        app::MessageIcon::Warning};
}

}  // namespace tabrin::editing
