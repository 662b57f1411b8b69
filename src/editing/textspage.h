// The texts page "Тексты" as data: the texts of the text base filtered, who may edit which cell,
// each edit, the added text, the author change and the enumeration binding made as commands on the
// text base document, the duplicate warning, and the question on leaving the page.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "editing/authorchange.h"
#include "editing/basedocument.h"
#include "editing/enumerationitems.h"

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::editing {

inline constexpr int kTextsColumns = 5;
/// Columns of the table: number, long Russian, long English, short text, author.
enum TextsColumn { kTextNumber, kTextLongRussian, kTextLongEnglish, kTextShort, kTextAuthor };
/// The short text holds at most this many characters.
inline constexpr std::size_t kShortTextLimit = 20;

/// One entry of the bound-enumeration list; `number` "0" stands for no enumeration.
struct BindingEntry {
    std::string name;
    std::string number;
};

struct BindingList {
    std::vector<BindingEntry> entries;
    int selected = 0;
};

/// One item of the bound enumeration: its position and four texts.
using BoundItemRow = std::array<std::string, 5>;

class TextsPage {
public:
    TextsPage(TextBaseDocument& texts, const bases::SetBase& sets, std::string user, app::Language language,
              app::Translator& translator, app::MessagePort& port);

    std::array<std::string, kTextsColumns> headers() const;

    /// Lists the texts again: the user's own (every one with `showOthers`) whose number contains the
    /// filter as typed, or whose texts or author contain it in lower case (the filter trimmed and
    /// lowered). Returns the row of the text numbered `keepNumber`, or else the last row.
    int fill(std::string_view filter, bool showOthers, std::string_view keepNumber);
    /// Lists again with the filter last given, keeping `keepNumber` selected.
    int refill(std::string_view keepNumber) { return fill(m_filter, m_showOthers, keepNumber); }

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    /// The position in the text base of a row's text.
    std::size_t element(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }
    const bases::TextBaseElement& text(int row) const;
    std::string cell(int row, int column) const;
    /// Other users' texts are shown grey.
    bool isOwn(int row) const;
    /// Only the user's own texts are edited in place, never their number or author.
    bool canEdit(int row, int column) const;

    /// A single quote typed or pasted into the table was kept out: the user is told why.
    void tellQuoteRefused();
    /// The short text as it may stand: cut to its limit, telling the user when it was cut.
    std::string limitShortText(std::string_view typed);
    /// Writes a cell's new value into its text as one command; an edit that changes nothing, or a
    /// cell that may not be edited, makes none. When the three texts end up empty, the binding goes.
    bool setCell(int row, int column, std::string_view value);

    /// "Текущий '…' текст №… совпадает с текстом №… (автор: …)" when another text of the same kind
    /// and the same binding has the cell's text (the last such text is named); empty otherwise.
    std::string duplicateWarning(int row, int column) const;

    /// Adds a text of the user (no reuse of an empty one). The number of the new text, nothing when
    /// the base is empty.
    std::optional<std::string> add();
    /// The author change a double click on `column` of `row` offers: only in the author column of
    /// an own text.
    std::optional<AuthorChange> authorChange(int row, int column) const;
    /// Gives an own text another author.
    bool changeAuthor(int row, std::string_view author);
    /// The names offered by the author change: the authors of the text base, each once, in base order.
    std::vector<std::string> knownAuthors() const;

    /// The bound-enumeration list of a row's text: no enumeration first, then the user's own ones,
    /// the text's own one (also when it is missing from the base) and, with `showOthers`, every one.
    BindingList bindingList(int row, bool showOthers) const;
    /// Binds a row's text to the enumeration numbered `number` ("0": none).
    bool bind(int row, std::string_view number);
    /// The header of the bound enumeration's items: position and the four texts.
    ItemRow boundItemHeaders() const;
    /// The author line and items of the enumeration a row's text is bound to.
    std::string boundAuthorLine(int row) const;
    std::vector<BoundItemRow> boundItems(int row) const;

    /// Leaving the page with the base modified: Yes saves it, No reloads it from its file. False
    /// when saving failed and the page stays.
    bool leave();

    /// Widths of the five columns for a table `tableWidth` wide.
    static std::array<int, kTextsColumns> columnWidths(int tableWidth, app::Language language);

private:
    std::string kindName(int column) const;
    const bases::SetBaseElement* boundSet(int row) const;

    TextBaseDocument& m_texts;
    const bases::SetBase& m_sets;
    std::string m_user;
    app::Language m_language;
    app::Translator& m_translator;
    app::MessagePort& m_port;
    std::string m_filter;
    bool m_showOthers = false;
    std::vector<std::size_t> m_rows;
};

}  // namespace tabrin::editing
