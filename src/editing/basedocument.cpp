// A base as a document: commands, the modified flag following the history, its file.
#include "editing/basedocument.h"

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
bool BaseDocument<Base>::save(app::MessagePort& port) {
    const bool unread = m_base.wouldOverwriteUnread(m_file);
    if (unread && !mayOverwriteUnreadFile(port)) return false;
    const xml::TOperationResult result = m_base.save(m_file, unread);
    if (!result.ok()) {
        port.ask({m_translator.tr("Ошибка"), cp1251::fromUtf16(m_translator.translateWideText(result.message)),
                  app::MessageButtons::Ok, app::MessageIcon::Error});
        return false;
    }
    m_history.setClean();
    m_changedOutside = false;
    changed(ChangeCause::Unrecorded);
    return true;
}

template <typename Base>
void BaseDocument<Base>::reload(app::MessagePort& port) {
    m_base.load(m_file, port);
    m_base.setModified(false);
    m_history.clear();
    m_changedOutside = false;
    changed(ChangeCause::Unrecorded);
}

template <typename Base>
void BaseDocument<Base>::changed(ChangeCause cause) {
    m_base.setModified(m_changedOutside || !m_history.isClean());
    m_listeners.tell({kindOf<Base>(), cause, {}});
}

template class BaseDocument<bases::TextBase>;
template class BaseDocument<bases::SetBase>;

}  // namespace tabrin::editing
