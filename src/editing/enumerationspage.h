// The enumerations page "Перечисления" as data: the selector with its filter, the items of the
// selected enumeration edited, resized, copied over another and given another author as commands on
// the enumeration base document, the texts bound to it unbound as commands on the text base
// document, and the question on leaving the page.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "editing/authorchange.h"
#include "editing/basedocument.h"
#include "editing/boundtexts.h"
#include "editing/enumerationcopy.h"
#include "editing/enumerationitems.h"

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::editing {

class EnumerationsPage {
public:
    EnumerationsPage(SetBaseDocument& sets, TextBaseDocument& texts, std::string user, app::Language language,
                     app::Translator& translator, app::MessagePort& port);

    ItemRow itemHeaders() const;
    std::array<std::string, kBoundTextColumns> boundTextHeaders() const;

    /// Lists the enumerations again (see `listedEnumerations`); the selected one stays selected
    /// when it is still listed, else the first entry is.
    void fill(std::string_view filter, bool showOthers);
    /// Lists again with the filter last given, after the base changed under the list.
    void refill() { fill(m_filter, m_showOthers); }
    const std::string& filter() const { return m_filter; }
    bool showsOthers() const { return m_showOthers; }

    int entryCount() const { return static_cast<int>(m_listed.size()); }
    /// "12: Выкл/Вкл".
    std::string entryName(int entry) const;
    /// The entry of the selected enumeration; -1 when nothing is selected.
    int selectedEntry() const;
    void select(int entry);
    /// Selects the enumeration numbered `number`; when the filter or the show-others choice hides it,
    /// the filter is emptied and other users' enumerations are shown. False when it is not listed
    /// even then (a missing number, another user's empty enumeration).
    bool showEnumeration(std::string_view number);
    /// Adds an empty enumeration of the user and selects it; false when every number is taken.
    bool add();

    /// The selected enumeration; nothing when none is.
    const bases::SetBaseElement* selected() const;
    /// Only the user's own enumerations are edited, resized and given to another author.
    bool isOwn() const;
    /// "Автор: " and the selected enumeration's author; empty when nothing is selected.
    std::string authorLine() const;

    int itemCount() const;
    std::string itemCell(int row, int column) const;
    bool canEdit(int row, int column) const;
    /// A single quote typed or pasted into an item was kept out: the user is told why.
    void tellQuoteRefused();
    /// Writes a cell's new value, every "@" removed, into the selected enumeration as one command;
    /// an edit that changes nothing, or a cell that may not be edited, makes none.
    bool setCell(int row, int column, std::string_view value);

    /// What the size field shows: the number of items.
    std::string sizeText() const;
    /// Enter in the size field: the typed size applied, cut to the limit of an enumeration with a
    /// fixed role with a warning.
    bool enterSize(std::string_view fieldText);
    /// An up-down button: the size one more or one less, kept within the limits silently.
    bool stepSize(std::string_view fieldText, int step);

    /// The author change of the selected own enumeration: the authors of the text base offered;
    /// nothing for another user's enumeration.
    std::optional<AuthorChange> authorChange() const;
    /// Gives the selected own enumeration another author.
    bool changeAuthor(std::string_view author);

    /// The copy dialog's data for the selected enumeration; nothing when none is selected.
    std::optional<EnumerationCopy> startCopy();
    /// After a paste: the target is selected.
    void copied(const EnumerationCopy& copy);

    /// The texts bound to the selected enumeration, listed again from the text base.
    void listBoundTexts();
    int boundTextCount() const { return static_cast<int>(m_bound.size()); }
    std::string boundTextCell(int row, int column) const;
    /// "Привязанные тексты", or "Привязанные тексты отсутствуют" when there are none.
    std::string boundTextsLabel() const;
    /// Unbinds a listed text from the enumeration as one command on the text base.
    bool unbind(int row);

    /// Ctrl+S: saves the base.
    bool save();
    /// Leaving the page with the base modified: Yes saves it, No reloads it from its file, Cancel
    /// stays. False when the page stays (Cancel, or saving failed).
    bool leave();

    /// Widths of the five item columns for a table `tableWidth` wide.
    static std::array<int, kItemColumns> columnWidths(int tableWidth, app::Language language);

private:
    bool applySize(int count, bool tell);
    void selectPosition(std::optional<std::size_t> position);
    const bases::SetBaseElement& element(std::size_t position) const;

    SetBaseDocument& m_sets;
    TextBaseDocument& m_texts;
    std::string m_user;
    app::Language m_language;
    app::Translator& m_translator;
    app::MessagePort& m_port;
    std::string m_filter;
    bool m_showOthers = false;
    std::vector<std::size_t> m_listed;      // positions in the enumeration base
    std::optional<std::size_t> m_selected;  // position in the enumeration base
    std::string m_selectedNumber;           // checked against the position after changes
    std::vector<std::size_t> m_bound;       // positions in the text base
};

}  // namespace tabrin::editing
