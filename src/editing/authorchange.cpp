// The author change as data: names, hint, the name chosen or typed.
#include "editing/authorchange.h"

#include <algorithm>

#include "app/translator.h"
#include "bases/setbaseelement.h"
#include "bases/textbase.h"

namespace tabrin::editing {

std::vector<std::string> textBaseAuthors(const bases::TextBase& texts) {
    std::vector<std::string> authors;
    for (const bases::TextBaseElement& text : texts.elements()) {
        if (std::find(authors.begin(), authors.end(), text.author) == authors.end()) authors.push_back(text.author);
    }
    return authors;
}

AuthorChange::AuthorChange(std::vector<std::string> names, std::string hint, std::string currentAuthor)
    : m_hint(std::move(hint)), m_author(std::move(currentAuthor)) {
    for (std::string& name : names) {
        if (!name.empty() && std::find(m_names.begin(), m_names.end(), name) == m_names.end())
            m_names.push_back(std::move(name));
    }
}

std::string AuthorChange::textHint(app::Translator& translator, std::string_view number, std::string_view longRussian) {
    return translator.tr("Вы собираетесь сменить автора для текста \"") + std::string(longRussian) +
           translator.tr("\" под номером ") + std::string(number) + ".";
}

std::string AuthorChange::enumerationHint(app::Translator& translator, const bases::SetBaseElement& set,
                                          app::Language language) {
    return translator.tr("Вы собираетесь сменить автора для перечисления \"") + set.itemText(0, false, language) +
           translator.tr("/...\" под номером ") + set.id + ".";
}

void AuthorChange::choose(int row) {
    if (row >= 0 && row < static_cast<int>(m_names.size())) m_author = m_names[static_cast<std::size_t>(row)];
}

int AuthorChange::chosenRow() const {
    const auto found = std::find(m_names.begin(), m_names.end(), m_author);
    return found == m_names.end() ? -1 : static_cast<int>(found - m_names.begin());
}

bool AuthorChange::canConfirm() const {
    // Blanks are the controls, the space and the no-break space of the code page.
    constexpr unsigned char kNoBreakSpace = 0xA0;
    return std::any_of(m_author.begin(), m_author.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > ' ' && byte != 0x7F && byte != kNoBreakSpace;
    });
}

}  // namespace tabrin::editing
