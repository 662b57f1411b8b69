// The texts page "Тексты" as data: filter, rights, edits as commands, duplicates, binding.
#include "editing/textspage.h"

#include "app/cp1251.h"
#include "app/formattext.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "editing/quoterefusal.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kNoEnumeration = "0";

bool passes(const bases::TextBaseElement& text, std::string_view filter) {
    if (filter.empty()) return true;
    const auto contains = [filter](const std::string& field) {
        return cp1251::lower(field).find(filter) != std::string::npos;
    };
    return text.textid.find(filter) != std::string::npos || contains(text.trus) || contains(text.text) ||
           contains(text.teng) || contains(text.author);
}

// The field a column of the table shows (not the number).
std::string bases::TextBaseElement::*fieldOf(int column) {
    switch (column) {
    case kTextLongRussian: return &bases::TextBaseElement::trus;
    case kTextLongEnglish: return &bases::TextBaseElement::teng;
    case kTextShort: return &bases::TextBaseElement::text;
    default: return &bases::TextBaseElement::author;
    }
}

bool isBound(std::string_view sets) { return !sets.empty() && sets != kNoEnumeration; }

}  // namespace

TextsPage::TextsPage(TextBaseDocument& texts, const bases::SetBase& sets, std::string user, app::Language language,
                     app::Translator& translator, app::MessagePort& port)
    : m_texts(texts), m_sets(sets), m_user(std::move(user)), m_language(language), m_translator(translator),
      m_port(port) {}

std::array<std::string, kTextsColumns> TextsPage::headers() const {
    return {m_translator.tr("№"), m_translator.tr("Длинный русский"), m_translator.tr("Длинный английский"),
            m_translator.tr("Короткий"), m_translator.tr("Автор")};
}

int TextsPage::fill(std::string_view filter, bool showOthers, std::string_view keepNumber) {
    m_filter = std::string(filter);
    m_showOthers = showOthers;
    const std::string lowered = cp1251::lower(cp1251::trim(filter));
    m_rows.clear();
    int kept = -1;
    const auto& elements = m_texts.base().elements();
    for (std::size_t position = 0; position < elements.size(); ++position) {
        const bases::TextBaseElement& text = elements[position];
        if ((!showOthers && text.author != m_user) || !passes(text, lowered)) continue;
        if (kept < 0 && !keepNumber.empty() && text.textid == keepNumber) kept = rowCount();
        m_rows.push_back(position);
    }
    return kept >= 0 ? kept : rowCount() - 1;
}

const bases::TextBaseElement& TextsPage::text(int row) const { return m_texts.base().elements().at(element(row)); }

std::string TextsPage::cell(int row, int column) const {
    return column == kTextNumber ? text(row).textid : text(row).*fieldOf(column);
}

bool TextsPage::isOwn(int row) const { return text(row).author == m_user; }

bool TextsPage::canEdit(int row, int column) const {
    return column >= kTextLongRussian && column <= kTextShort && row >= 0 && row < rowCount() && isOwn(row);
}

void TextsPage::tellQuoteRefused() { tellSingleQuoteRefused(m_translator, m_port); }

std::string TextsPage::limitShortText(std::string_view typed) {
    if (typed.size() <= kShortTextLimit) return std::string(typed);
    const std::string cut(typed.substr(0, kShortTextLimit));
    m_port.ask({m_translator.tr("Ошибка"),
                app::formatText(m_translator.tr("Короткий текст не должен быть длиннее 20 символов.\nКороткий "
                                                "текст '%s' был обрезан до '%s'"),
                                {typed, cut}),
                app::MessageButtons::Ok, app::MessageIcon::Warning});
    return cut;
}

bool TextsPage::setCell(int row, int column, std::string_view value) {
    if (!canEdit(row, column)) return false;
    // The cell editors keep quotes out; a value that comes another way is refused the same way.
    if (!refuseSingleQuote(value, m_translator, m_port)) return false;
    bases::TextBaseElement changed = text(row);
    changed.*fieldOf(column) = column == kTextShort ? limitShortText(value) : std::string(value);
    if (changed.hasNoTexts()) changed.sets = kNoEnumeration;
    if (changed == text(row)) return false;
    m_texts.replace(element(row), std::move(changed), m_translator.tr("правка текста №") + text(row).textid);
    return true;
}

std::string TextsPage::kindName(int column) const {
    switch (column) {
    case kTextLongRussian: return m_translator.tr("длинный русский");
    case kTextLongEnglish: return m_translator.tr("длинный английский");
    default: return m_translator.tr("короткий");
    }
}

std::string TextsPage::duplicateWarning(int row, int column) const {
    if (column < kTextLongRussian || column > kTextShort || row < 0 || row >= rowCount()) return {};
    const bases::TextBaseElement& current = text(row);
    const std::string& wanted = current.*fieldOf(column);
    if (wanted.empty()) return {};
    const bases::TextBaseElement* same = nullptr;
    for (const bases::TextBaseElement& other : m_texts.base().elements()) {
        if (other.textid != current.textid && other.sets == current.sets && other.*fieldOf(column) == wanted)
            same = &other;
    }
    if (!same) return {};
    return app::formatText(m_translator.tr("Текущий '%s' текст №%s совпадает с текстом №%s (автор: %s)"),
                           {kindName(column), current.textid, same->textid, same->author});
}

std::optional<std::string> TextsPage::add() {
    const auto& elements = m_texts.base().elements();
    if (elements.empty()) return std::nullopt;
    // The numbering of the base itself, tried on a copy so that the document makes the change.
    bases::TextBase numbering;
    numbering.elements() = elements;
    const int position = numbering.addText(false, m_user);
    if (position < 0) return std::nullopt;
    bases::TextBaseElement added = numbering.elements()[static_cast<std::size_t>(position)];
    const std::string number = added.textid;
    m_texts.append(std::move(added), m_translator.tr("добавление текста №") + number);
    return number;
}

std::optional<AuthorChange> TextsPage::authorChange(int row, int column) const {
    if (column != kTextAuthor || row < 0 || row >= rowCount() || !isOwn(row)) return std::nullopt;
    return AuthorChange(knownAuthors(), AuthorChange::textHint(m_translator, text(row).textid, text(row).trus),
                        text(row).author);
}

bool TextsPage::changeAuthor(int row, std::string_view author) {
    if (row < 0 || row >= rowCount() || !isOwn(row)) return false;
    bases::TextBaseElement changed = text(row);
    changed.author = std::string(author);
    if (changed == text(row)) return false;
    m_texts.replace(element(row), std::move(changed), m_translator.tr("смена автора текста №") + text(row).textid);
    return true;
}

std::vector<std::string> TextsPage::knownAuthors() const { return textBaseAuthors(m_texts.base()); }

BindingList TextsPage::bindingList(int row, bool showOthers) const {
    BindingList list;
    list.entries.push_back({m_translator.tr("--- ОТСУТСТВУЕТ ---"), std::string(kNoEnumeration)});
    const std::string current = row >= 0 && row < rowCount() ? text(row).sets : std::string(kNoEnumeration);
    bool currentListed = !isBound(current);
    for (const bases::SetBaseElement& set : m_sets.elements()) {
        const bool isCurrent = isBound(current) && set.id == current;
        if (!showOthers && !isCurrent && set.author != m_user) continue;
        if (isCurrent && !currentListed) {
            list.selected = static_cast<int>(list.entries.size());
            currentListed = true;
        }
        list.entries.push_back({set.displayName(m_language), set.id});
    }
    // A text bound to an enumeration the base does not hold keeps its binding until the user
    // chooses another entry.
    if (!currentListed) {
        list.selected = static_cast<int>(list.entries.size());
        list.entries.push_back({app::formatText(m_translator.tr("№ %s (нет в базе)"), {current}), current});
    }
    return list;
}

bool TextsPage::bind(int row, std::string_view number) {
    if (row < 0 || row >= rowCount()) return false;
    bases::TextBaseElement changed = text(row);
    changed.sets = std::string(number);
    if (changed == text(row)) return false;
    m_texts.replace(element(row), std::move(changed),
                    m_translator.tr("привязка текста №") + text(row).textid + m_translator.tr(" к перечислению"));
    return true;
}

const bases::SetBaseElement* TextsPage::boundSet(int row) const {
    if (row < 0 || row >= rowCount() || !isBound(text(row).sets)) return nullptr;
    return m_sets.findSet(text(row).sets);
}

std::string TextsPage::boundAuthorLine(int row) const {
    const bases::SetBaseElement* set = boundSet(row);
    return set ? m_translator.tr("Автор: ") + set->author : std::string();
}

ItemRow TextsPage::boundItemHeaders() const { return itemHeaders(m_translator); }

std::vector<BoundItemRow> TextsPage::boundItems(int row) const {
    std::vector<BoundItemRow> items;
    if (const bases::SetBaseElement* set = boundSet(row)) {
        for (std::size_t position = 0; position < set->items.size(); ++position) {
            const bases::SetTextItem& item = set->items[position];
            items.push_back({std::to_string(position), item.longRus, item.longEng, item.shortRus, item.shortEng});
        }
    }
    return items;
}

bool TextsPage::leave() {
    if (!m_texts.isModified()) return true;
    const app::MessageAnswer answer =
        m_port.ask({m_translator.tr("Сохранение баз"), m_translator.tr("База текстов была изменена.\nСохранить изменения?"),
                    app::MessageButtons::YesNo, app::MessageIcon::Question});
    if (answer == app::MessageAnswer::Yes) return m_texts.save(m_port);
    m_texts.load(m_port);
    return true;
}

std::array<int, kTextsColumns> TextsPage::columnWidths(int tableWidth, app::Language language) {
    constexpr int kNumberWidth = 35;
    constexpr int kAuthorWidth = 120;
    constexpr int kShortMost = 130;
    const int free = tableWidth - kNumberWidth - kAuthorWidth - 32;
    if (language == app::Language::English) {
        int shortWidth = free / 3;
        int englishWidth = 2 * free / 3;
        if (shortWidth > kShortMost) {
            shortWidth = kShortMost;
            englishWidth = free - kShortMost;
        }
        return {kNumberWidth, 0, englishWidth, shortWidth, kAuthorWidth};
    }
    int longWidth = 2 * free / 5;
    int shortWidth = longWidth / 2;
    if (shortWidth > kShortMost) {
        shortWidth = kShortMost;
        longWidth = (free - kShortMost) / 2;
    }
    return {kNumberWidth, longWidth, longWidth, shortWidth, kAuthorWidth};
}

}  // namespace tabrin::editing
