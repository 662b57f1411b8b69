// The copy dialog as data: targets, the prepared copy and the paste.
#include "editing/enumerationcopy.h"

#include "app/messageport.h"
#include "app/translator.h"
#include "editing/enumerationitems.h"

namespace tabrin::editing {

EnumerationCopy::EnumerationCopy(SetBaseDocument& sets, bases::SetBaseElement source, std::string user,
                                 app::Language language, app::Translator& translator, app::MessagePort& port)
    : m_sets(sets),
      m_source(std::move(source)),
      m_user(std::move(user)),
      m_language(language),
      m_translator(translator),
      m_port(port) {
    const auto& elements = m_sets.base().elements();
    for (std::size_t position = 0; position < elements.size(); ++position) {
        if (elements[position].author == m_user) m_targets.push_back(position);
    }
}

std::vector<std::string> EnumerationCopy::targetNames() const {
    std::vector<std::string> names;
    for (std::size_t position : m_targets) names.push_back(m_sets.base().elements()[position].displayName(m_language));
    return names;
}

void EnumerationCopy::choose(int entry) {
    if (entry < 0 || static_cast<std::size_t>(entry) >= m_targets.size()) return;
    m_chosen = m_targets[static_cast<std::size_t>(entry)];
    bases::SetBaseElement copy = m_source;
    copy.id = m_sets.base().elements()[m_chosen].id;
    copy.author = m_user;
    m_prepared = std::move(copy);
}

PasteResult EnumerationCopy::paste() {
    if (!m_prepared) return PasteResult::NoTarget;
    const bases::SetBaseElement& target = m_sets.base().elements().at(m_chosen);
    const std::string targetNumber = target.id;
    if (!isEmptyEnumeration(target)) {
        const app::MessageAnswer answer = m_port.ask(
            {m_translator.tr("Внимание"),
             m_translator.tr("Перечисление, в которое Вы хотите вставить копию - непустое. Заменить существующее "
                             "перечисление?"),
             app::MessageButtons::YesNo, app::MessageIcon::Question});
        if (answer != app::MessageAnswer::Yes) return PasteResult::Declined;
    }
    m_sets.replace(
        m_chosen, *m_prepared,
        m_translator.tr("копирование перечисления №") + m_source.id + m_translator.tr(" в №") + targetNumber);
    return PasteResult::Pasted;
}

}  // namespace tabrin::editing
