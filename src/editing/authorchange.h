// The author change "Смена автора текста/перечисления" as data: the names offered, the hint that
// says what changes hands, and the name chosen from the list or typed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
struct SetBaseElement;
class TextBase;
}  // namespace tabrin::bases

namespace tabrin::editing {

/// The names the author change offers: the authors of the text base, each once, in base order.
std::vector<std::string> textBaseAuthors(const bases::TextBase& texts);

class AuthorChange {
public:
    /// `names` are offered once each, in their order, an empty one left out; the field starts with
    /// `currentAuthor`.
    AuthorChange(std::vector<std::string> names, std::string hint, std::string currentAuthor);

    /// "Вы собираетесь сменить автора для текста "…" под номером N."
    static std::string textHint(app::Translator& translator, std::string_view number, std::string_view longRussian);
    /// "Вы собираетесь сменить автора для перечисления "<item 0>/..." под номером N."
    static std::string enumerationHint(app::Translator& translator, const bases::SetBaseElement& set,
                                       app::Language language);

    const std::vector<std::string>& names() const { return m_names; }
    const std::string& hint() const { return m_hint; }

    /// The name in the field, as it stands.
    const std::string& author() const { return m_author; }
    void setAuthor(std::string_view author) { m_author = std::string(author); }
    /// Puts the name of the list's `row` into the field.
    void choose(int row);
    /// The list row of the name in the field, -1 when it is not listed.
    int chosenRow() const;
    /// A text without an author could never be edited again: no one logs in without a name, nor
    /// with a name of blanks only.
    bool canConfirm() const;

private:
    std::vector<std::string> m_names;
    std::string m_hint;
    std::string m_author;
};

}  // namespace tabrin::editing
