// A base as a document: commands, the modified flag following the history, its file.
#include "editing/basedocument.h"

#include <algorithm>
#include <map>

#include "app/cp1251.h"
#include "app/formattext.h"
#include "app/messageport.h"
#include "app/translator.h"

namespace tabrin::editing {
namespace {

template <typename Base>
constexpr ChangeKind kindOf() {
    return std::is_same_v<Base, bases::TextBase> ? ChangeKind::Texts : ChangeKind::Enumerations;
}

void setNumber(bases::TextBaseElement& text, const std::string& number) { text.id = text.textid = number; }
void setNumber(bases::SetBaseElement& set, const std::string& number) { set.id = number; }

// The number after the highest one of `elements`.
template <typename Element>
std::string nextNumber(const std::vector<Element>& elements) {
    long highest = 0;
    for (const Element& element : elements) highest = std::max(highest, std::strtol(element.id.c_str(), nullptr, 10));
    return std::to_string(highest + 1);
}

// Replays the changes of another run's history on the elements read from the file, by number: an
// edit replaces the element of its number (or comes at the end when the file has none such), an
// addition comes at the end, under the next free number when the file holds its number already.
template <typename Element>
class ChangeReplay {
public:
    explicit ChangeReplay(std::vector<Element> elements) : m_elements(std::move(elements)) {}

    void replay(const ElementChange<Element>& change) {
        Element after = change.after();
        if (!change.before()) {
            const std::string number = after.id;
            if (find(number) != m_elements.end()) {
                setNumber(after, nextNumber(m_elements));
                m_renumbered.emplace(number, after.id);
            }
            m_elements.push_back(std::move(after));
            return;
        }
        const auto renumbered = m_renumbered.find(after.id);
        if (renumbered != m_renumbered.end()) setNumber(after, renumbered->second);
        const auto target = find(after.id);
        if (target == m_elements.end())
            m_elements.push_back(std::move(after));
        else
            *target = std::move(after);
    }

    std::vector<Element>& elements() { return m_elements; }
    /// Old number → new number of the additions that had to change their number.
    const std::map<std::string, std::string>& renumbered() const { return m_renumbered; }

private:
    typename std::vector<Element>::iterator find(const std::string& number) {
        return std::find_if(m_elements.begin(), m_elements.end(),
                            [&number](const Element& element) { return element.id == number; });
    }

    std::vector<Element> m_elements;
    std::map<std::string, std::string> m_renumbered;
};

}  // namespace

template <typename Base>
BaseDocument<Base>::BaseDocument(Base& base, std::filesystem::path file, app::Translator& translator)
    : m_base(base), m_file(std::move(file)), m_translator(translator) {}

template <typename Base>
void BaseDocument<Base>::replace(std::size_t position, Element after, std::string menuText) {
    const Element& before = m_base.elements().at(position);
    if (before == after) return;
    apply(std::make_unique<Change>(CommandTexts{std::move(menuText), {}, false}, position, before, std::move(after)));
}

template <typename Base>
void BaseDocument<Base>::append(Element element, std::string menuText) {
    apply(std::make_unique<Change>(CommandTexts{std::move(menuText), {}, false}, m_base.elements().size(),
                                   std::nullopt, std::move(element)));
}

template <typename Base>
void BaseDocument<Base>::apply(std::unique_ptr<Change> change) {
    if (m_base.isModified() && m_history.isClean()) m_changedOutside = true;
    m_history.dropUndone();
    change->redo(m_base.elements());
    m_history.record(std::move(change));
    changed(ChangeCause::Done);
}

template <typename Base>
void BaseDocument<Base>::undo() {
    if (m_base.isModified() && m_history.isClean()) m_changedOutside = true;
    const Change* change = m_history.stepBack();
    if (!change) return;
    change->undo(m_base.elements());
    changed(ChangeCause::Undone);
}

template <typename Base>
void BaseDocument<Base>::redo() {
    if (m_base.isModified() && m_history.isClean()) m_changedOutside = true;
    const Change* change = m_history.stepForward();
    if (!change) return;
    change->redo(m_base.elements());
    changed(ChangeCause::Redone);
}

// A base read with faults holds only what could be read: saving it replaces the rest of the file.
template <typename Base>
bool BaseDocument<Base>::mayOverwriteUnreadFile(app::MessagePort& port) {
    const std::string question = app::formatText(
        m_translator.tr("Файл '%s' был прочитан с ошибками, из него прочитано элементов: %d.\nПри сохранении всё "
                        "остальное содержимое файла будет потеряно.\nПерезаписать файл?"),
        {cp1251::fromUtf8(m_file.string()), std::to_string(m_base.elementsRead())});
    return port.ask({m_translator.tr("Сохранение баз"), question, app::MessageButtons::YesNo,
                     app::MessageIcon::Warning}) == app::MessageAnswer::Yes;
}

template <typename Base>
bool BaseDocument<Base>::fileChangedSinceRead() const {
    // Only a file holds changes of another run; anything else at its place makes the save fail.
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(m_file, ignored)) return false;
    const std::optional<app::FileStamp> now = app::readFileStamp(m_file);
    return now && now != m_stamp;
}

template <typename Base>
bool BaseDocument<Base>::settleChangedFile(app::MessagePort& port) {
    const std::string question = app::formatText(
        m_translator.tr("Файл '%s' был изменён другой программой после того, как был прочитан.\nДа - прочитать "
                        "его заново и применить к нему ваши изменения.\nНет - записать базу поверх него.\nОтмена "
                        "- не сохранять."),
        {cp1251::fromUtf8(m_file.string())});
    switch (port.ask({m_translator.tr("Сохранение баз"), question, app::MessageButtons::YesNoCancel,
                      app::MessageIcon::Warning})) {
    case app::MessageAnswer::Yes: applyChangesToFile(port); return true;
    case app::MessageAnswer::No: return true;
    default: return false;
    }
}

template <typename Base>
void BaseDocument<Base>::applyChangesToFile(app::MessagePort& port) {
    Base onDisk;
    if (!onDisk.load(m_file, port)) return;
    ChangeReplay<Element> replay(onDisk.elements());
    m_history.forEachDone([&replay](const Change& change) { replay.replay(change); });
    m_base.elements() = std::move(replay.elements());
    m_history.clear();
    m_changedOutside = true;
    changed(ChangeCause::Unrecorded);
    if (replay.renumbered().empty()) return;
    std::string list;
    for (const auto& [before, after] : replay.renumbered()) list += "\n" + before + " -> " + after;
    port.ask({m_translator.tr("Сохранение баз"),
              m_translator.tr("Номера, добавленные другой программой, совпали с вашими. Ваши элементы получили "
                              "новые номера:") +
                  list,
              app::MessageButtons::Ok, app::MessageIcon::Information});
}

template <typename Base>
bool BaseDocument<Base>::save(app::MessagePort& port) {
    if (fileChangedSinceRead() && !settleChangedFile(port)) return false;
    const bool unread = m_base.wouldOverwriteUnread(m_file);
    if (unread && !mayOverwriteUnreadFile(port)) return false;
    const xml::TOperationResult result = m_base.save(m_file, unread);
    if (!result.ok()) {
        port.ask({m_translator.tr("Ошибка"), cp1251::fromUtf16(m_translator.translateWideText(result.message)),
                  app::MessageButtons::Ok, app::MessageIcon::Error});
        return false;
    }
    m_stamp = app::readFileStamp(m_file);
    m_history.setClean();
    m_changedOutside = false;
    changed(ChangeCause::Unrecorded);
    return true;
}

template <typename Base>
bool BaseDocument<Base>::load(app::MessagePort& port) {
    const bool found = m_base.load(m_file, port);
    m_stamp = app::readFileStamp(m_file);
    m_base.setModified(false);
    m_history.clear();
    m_changedOutside = false;
    changed(ChangeCause::Unrecorded);
    return found;
}


template <typename Base>
void BaseDocument<Base>::changed(ChangeCause cause) {
    m_base.setModified(m_changedOutside || !m_history.isClean());
    m_listeners.tell({kindOf<Base>(), cause, {}});
}

template class BaseDocument<bases::TextBase>;
template class BaseDocument<bases::SetBase>;

}  // namespace tabrin::editing
