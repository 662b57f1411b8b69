// The text picker "Выберите текст для объекта" as data: the texts of the text base with their bound
// enumerations, filtered and sorted, the object's current text marked, and who may edit a text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class SetBase;
class TextBase;
struct TextBaseElement;
}  // namespace tabrin::bases

namespace tabrin::editing {

inline constexpr int kTextPickerColumns = 6;

/// One listed text: number, long Russian, long English, short text, bound enumeration, author.
struct TextPickerRow {
    std::array<std::string, kTextPickerColumns> cells;
    int element = -1;  // position in the text base; -1 for the empty row of an empty list
};

enum class TextSortKey { Number, LongText, ShortText, Author };

class TextPicker {
public:
    /// Lists every text of `texts`; `currentText` is the number of the object's text (-1: none).
    TextPicker(const bases::TextBase& texts, const bases::SetBase& sets, std::string user, app::Language language,
               app::Translator& translator, int currentText);

    /// "Выберите текст для объекта (текущий текст - номер N)", translated.
    std::string caption() const;
    std::array<std::string, kTextPickerColumns> headers() const;

    /// Lists the texts whose long texts, short text or author contain `filter` (all of them for an
    /// empty filter), only the user's own with `ownOnly`. A list with no text keeps one empty row.
    void fill(std::string_view filter, bool ignoreCase, bool ownOnly);
    /// Sorts the rows by `key`, ascending; rows with equal keys keep their order.
    void sort(TextSortKey key);

    const std::vector<TextPickerRow>& rows() const { return m_rows; }
    /// The row of the object's current text, if it is listed.
    std::optional<int> currentRow() const;
    /// The text of `row`; nullptr for the empty row or a row out of range.
    const bases::TextBaseElement* text(int row) const;
    /// The texts page may edit only the user's own texts.
    bool canEdit(int row) const;

private:
    const bases::TextBase& m_texts;
    const bases::SetBase& m_sets;
    std::string m_user;
    app::Language m_language;
    app::Translator& m_translator;
    int m_currentText;
    std::vector<TextPickerRow> m_rows;
};

}  // namespace tabrin::editing
