// The text picker "Выберите текст для объекта" as data: the texts of the text base with their bound
// enumerations, filtered and sorted, the object's current text marked, and who may edit a text.
#include "editing/textpicker.h"

#include <algorithm>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"

namespace tabrin::editing {
namespace {

enum Column { kNumber, kLongRussian, kLongEnglish, kShort, kEnumeration, kAuthor };

bool contains(const std::string& text, std::string_view filter, bool ignoreCase) {
    return ignoreCase ? cp1251::lower(text).find(cp1251::lower(filter)) != std::string::npos
                      : text.find(filter) != std::string::npos;
}

bool listed(const bases::TextBaseElement& text, std::string_view filter, bool ignoreCase) {
    if (filter.empty()) return true;
    return contains(text.trus, filter, ignoreCase) || contains(text.text, filter, ignoreCase) ||
           contains(text.teng, filter, ignoreCase) || contains(text.author, filter, ignoreCase);
}

}  // namespace

TextPicker::TextPicker(const bases::TextBase& texts, const bases::SetBase& sets, std::string user,
                       app::Language language, app::Translator& translator, int currentText)
    : m_texts(texts),
      m_sets(sets),
      m_user(std::move(user)),
      m_language(language),
      m_translator(translator),
      m_currentText(currentText) {
    fill({}, false, false);
}

std::string TextPicker::caption() const {
    return m_translator.tr("Выберите текст для объекта") + m_translator.tr(" (текущий текст - номер ") +
           std::to_string(m_currentText) + ")";
}

std::array<std::string, kTextPickerColumns> TextPicker::headers() const {
    return {m_translator.tr("Номер"),    m_translator.tr("Длинный русский"),         m_translator.tr("Длинный английский"),
            m_translator.tr("Короткий"), m_translator.tr("Привязанное перечисление"), m_translator.tr("Автор")};
}

void TextPicker::fill(std::string_view filter, bool ignoreCase, bool ownOnly) {
    m_rows.clear();
    const auto& elements = m_texts.elements();
    for (std::size_t position = 0; position < elements.size(); ++position) {
        const bases::TextBaseElement& text = elements[position];
        if ((ownOnly && text.author != m_user) || !listed(text, filter, ignoreCase)) continue;
        const bases::SetBaseElement* bound = m_sets.findSet(text.sets);
        m_rows.push_back({{text.textid, text.trus, text.teng, text.text,
                           bound ? bound->displayName(m_language) : std::string(), text.author},
                          static_cast<int>(position)});
    }
    if (m_rows.empty()) m_rows.emplace_back();
}

void TextPicker::sort(TextSortKey key) {
    if (key == TextSortKey::Number) {
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const TextPickerRow& a, const TextPickerRow& b) {
            return app::toInteger(a.cells[kNumber]).value_or(0) < app::toInteger(b.cells[kNumber]).value_or(0);
        });
        return;
    }
    const int column = key == TextSortKey::ShortText ? kShort
                       : key == TextSortKey::Author  ? kAuthor
                       : m_language == app::Language::English ? kLongEnglish
                                                              : kLongRussian;
    // Byte order of Windows-1251: unsigned comparison, upper case before lower case.
    std::stable_sort(m_rows.begin(), m_rows.end(), [column](const TextPickerRow& a, const TextPickerRow& b) {
        return a.cells[static_cast<std::size_t>(column)] < b.cells[static_cast<std::size_t>(column)];
    });
}

std::optional<int> TextPicker::currentRow() const {
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].element >= 0 && app::toInteger(m_rows[row].cells[kNumber]) == m_currentText)
            return static_cast<int>(row);
    }
    return std::nullopt;
}

const bases::TextBaseElement* TextPicker::text(int row) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || m_rows[static_cast<std::size_t>(row)].element < 0)
        return nullptr;
    return &m_texts.elements()[static_cast<std::size_t>(m_rows[static_cast<std::size_t>(row)].element)];
}

bool TextPicker::canEdit(int row) const {
    const bases::TextBaseElement* listedText = text(row);
    return listedText != nullptr && listedText->author == m_user;
}

}  // namespace tabrin::editing
