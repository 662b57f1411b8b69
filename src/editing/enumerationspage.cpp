// The enumerations page "Перечисления" as data: selector, items, size, copy, author, bound texts.
#include "editing/enumerationspage.h"

#include <algorithm>

#include "app/formattext.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "editing/enumerationselector.h"
#include "editing/enumerationsize.h"
#include "editing/quoterefusal.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kNoEnumeration = "0";

}  // namespace

EnumerationsPage::EnumerationsPage(SetBaseDocument& sets, TextBaseDocument& texts, std::string user,
                                   app::Language language, app::Translator& translator, app::MessagePort& port)
    : m_sets(sets),
      m_texts(texts),
      m_user(std::move(user)),
      m_language(language),
      m_translator(translator),
      m_port(port) {}

ItemRow EnumerationsPage::itemHeaders() const { return editing::itemHeaders(m_translator); }

std::array<std::string, kBoundTextColumns> EnumerationsPage::boundTextHeaders() const {
    return {m_translator.tr("№"), m_translator.tr("Длинный русский"), m_translator.tr("Длинный английский"),
            m_translator.tr("Короткий"), m_translator.tr("Автор")};
}

const bases::SetBaseElement& EnumerationsPage::element(std::size_t position) const {
    return m_sets.base().elements().at(position);
}

void EnumerationsPage::fill(std::string_view filter, bool showOthers) {
    m_filter = std::string(filter);
    m_showOthers = showOthers;
    m_listed = listedEnumerations(m_sets.base(), m_filter, m_showOthers, m_user);
    const auto& elements = m_sets.base().elements();
    const auto kept = std::find_if(m_listed.begin(), m_listed.end(),
                                   [&](std::size_t position) { return elements[position].id == m_selectedNumber; });
    if (!m_selectedNumber.empty() && kept != m_listed.end()) {
        selectPosition(*kept);
    } else {
        selectPosition(m_listed.empty() ? std::nullopt : std::optional(m_listed.front()));
    }
}

std::string EnumerationsPage::entryName(int entry) const {
    return element(m_listed.at(static_cast<std::size_t>(entry))).displayName(m_language);
}

int EnumerationsPage::selectedEntry() const {
    if (!selected()) return -1;
    const auto found = std::find(m_listed.begin(), m_listed.end(), *m_selected);
    return found == m_listed.end() ? -1 : static_cast<int>(found - m_listed.begin());
}

void EnumerationsPage::select(int entry) {
    if (entry < 0 || entry >= entryCount()) return;
    selectPosition(m_listed[static_cast<std::size_t>(entry)]);
}

void EnumerationsPage::selectPosition(std::optional<std::size_t> position) {
    m_selected = position;
    m_selectedNumber = position ? element(*position).id : std::string();
    listBoundTexts();
}

bool EnumerationsPage::showEnumeration(std::string_view number) {
    const int position = m_sets.base().find(number);
    if (position < 0) return false;
    const bases::SetBaseElement& wanted = element(static_cast<std::size_t>(position));
    const auto listed = [&] { return std::find(m_listed.begin(), m_listed.end(), position) != m_listed.end(); };
    if (!listed()) fill("", m_showOthers || wanted.author != m_user);
    if (!listed()) return false;
    selectPosition(static_cast<std::size_t>(position));
    return true;
}

bool EnumerationsPage::add() {
    // The numbering of the base itself, tried on a copy so that the document makes the change.
    bases::SetBase numbering;
    numbering.elements() = m_sets.base().elements();
    const int position = numbering.addSet(m_user);
    if (position < 0) return false;
    bases::SetBaseElement added = numbering.elements()[static_cast<std::size_t>(position)];
    const std::string number = added.id;
    m_sets.append(std::move(added), m_translator.tr("добавление перечисления №") + number);
    refill();
    return showEnumeration(number);
}

const bases::SetBaseElement* EnumerationsPage::selected() const {
    if (!m_selected || *m_selected >= m_sets.base().elements().size()) return nullptr;
    const bases::SetBaseElement& set = element(*m_selected);
    return set.id == m_selectedNumber ? &set : nullptr;
}

bool EnumerationsPage::isOwn() const {
    const bases::SetBaseElement* set = selected();
    return set && set->author == m_user;
}

std::string EnumerationsPage::authorLine() const {
    const bases::SetBaseElement* set = selected();
    return set ? m_translator.tr("Автор: ") + set->author : std::string();
}

int EnumerationsPage::itemCount() const {
    const bases::SetBaseElement* set = selected();
    return set ? static_cast<int>(set->items.size()) : 0;
}

std::string EnumerationsPage::itemCell(int row, int column) const {
    const bases::SetBaseElement* set = selected();
    return set ? editing::itemCell(*set, row, column) : std::string();
}

bool EnumerationsPage::canEdit(int row, int column) const {
    return isOwn() && row >= 0 && row < itemCount() && column > kItemPosition && column < kItemColumns;
}

void EnumerationsPage::tellQuoteRefused() { tellSingleQuoteRefused(m_translator, m_port); }

bool EnumerationsPage::setCell(int row, int column, std::string_view value) {
    if (!canEdit(row, column)) return false;
    // The cell editors keep quotes out; a value that comes another way is refused the same way.
    if (!refuseSingleQuote(value, m_translator, m_port)) return false;
    const bases::SetBaseElement& set = *selected();
    bases::SetBaseElement changed = withItemText(set, row, column, withoutSeparators(value));
    if (changed == set) return false;
    m_sets.replace(*m_selected, std::move(changed), m_translator.tr("правка перечисления №") + m_selectedNumber);
    return true;
}

std::string EnumerationsPage::sizeText() const { return selected() ? std::to_string(itemCount()) : std::string(); }

bool EnumerationsPage::enterSize(std::string_view fieldText) {
    const std::optional<int> typed = typedSize(fieldText);
    return typed && applySize(*typed, true);
}

bool EnumerationsPage::stepSize(std::string_view fieldText, int step) {
    return isOwn() && applySize(steppedSize(m_selectedNumber, fieldText, step), false);
}

bool EnumerationsPage::applySize(int count, bool tell) {
    if (!isOwn()) return false;
    if (const std::optional<RoleLimit> limit = roleLimit(m_selectedNumber); limit && count > limit->mostItems) {
        count = limit->mostItems;
        if (tell) {
            m_port.ask({m_translator.tr("Внимание"),
                        app::formatText(m_translator.tr(limit->warning), {m_selectedNumber, std::to_string(count)}),
                        app::MessageButtons::Ok, app::MessageIcon::Warning});
        }
    }
    const bases::SetBaseElement& set = *selected();
    bases::SetBaseElement changed = withItemCount(set, std::min(count, kMostItems));
    if (changed == set) return false;
    m_sets.replace(*m_selected, std::move(changed),
                   m_translator.tr("изменение размера перечисления №") + m_selectedNumber);
    return true;
}

std::optional<AuthorChange> EnumerationsPage::authorChange() const {
    if (!isOwn()) return std::nullopt;
    const bases::SetBaseElement& set = *selected();
    return AuthorChange(textBaseAuthors(m_texts.base()), AuthorChange::enumerationHint(m_translator, set, m_language),
                        set.author);
}

bool EnumerationsPage::changeAuthor(std::string_view author) {
    if (!isOwn()) return false;
    const bases::SetBaseElement& set = *selected();
    bases::SetBaseElement changed = set;
    changed.author = std::string(author);
    if (changed == set) return false;
    m_sets.replace(*m_selected, std::move(changed), m_translator.tr("смена автора перечисления №") + m_selectedNumber);
    return true;
}

std::optional<EnumerationCopy> EnumerationsPage::startCopy() {
    const bases::SetBaseElement* set = selected();
    if (!set) return std::nullopt;
    return std::optional<EnumerationCopy>(std::in_place, m_sets, *set, m_user, m_language, m_translator, m_port);
}

void EnumerationsPage::copied(const EnumerationCopy& copy) {
    if (copy.prepared()) showEnumeration(copy.prepared()->id);
}

void EnumerationsPage::listBoundTexts() {
    const bases::SetBaseElement* set = selected();
    m_bound = set ? textsBoundTo(m_texts.base(), set->id) : std::vector<std::size_t>();
}

std::string EnumerationsPage::boundTextCell(int row, int column) const {
    return editing::boundTextCell(m_texts.base().elements().at(m_bound.at(static_cast<std::size_t>(row))), column);
}

std::string EnumerationsPage::boundTextsLabel() const {
    return m_translator.tr(m_bound.empty() ? "Привязанные тексты отсутствуют" : "Привязанные тексты");
}

bool EnumerationsPage::unbind(int row) {
    if (row < 0 || row >= boundTextCount()) return false;
    const std::size_t position = m_bound[static_cast<std::size_t>(row)];
    bases::TextBaseElement changed = m_texts.base().elements().at(position);
    if (changed.sets == kNoEnumeration) return false;
    changed.sets = std::string(kNoEnumeration);
    const std::string number = changed.textid;
    m_texts.replace(position, std::move(changed),
                    m_translator.tr("отвязка текста №") + number + m_translator.tr(" от перечисления"));
    listBoundTexts();
    return true;
}

bool EnumerationsPage::save() { return m_sets.save(m_port); }

bool EnumerationsPage::leave() {
    if (!m_sets.isModified()) return true;
    const app::MessageAnswer answer = m_port.ask(
        {m_translator.tr("Сохранение баз"), m_translator.tr("База перечислений была изменена.\nСохранить изменения?"),
         app::MessageButtons::YesNoCancel, app::MessageIcon::Question});
    if (answer == app::MessageAnswer::Yes) return m_sets.save(m_port);
    if (answer != app::MessageAnswer::No) return false;
    m_sets.load(m_port);
    refill();
    return true;
}

std::array<int, kItemColumns> EnumerationsPage::columnWidths(int tableWidth, app::Language language) {
    constexpr int kPositionWidth = 24;
    constexpr int kShortMost = 130;
    const int free = tableWidth - kPositionWidth - 32;
    if (language == app::Language::English) {
        int englishWidth = 2 * free / 3;
        int shortWidth = free / 3;
        if (shortWidth > kShortMost) {
            shortWidth = kShortMost;
            englishWidth = free - kShortMost;
        }
        return {kPositionWidth, 0, englishWidth, 0, shortWidth};
    }
    int longWidth = free / 3;
    int shortWidth = longWidth / 2;
    if (shortWidth > kShortMost) {
        shortWidth = kShortMost;
        longWidth = (free - 2 * kShortMost) / 2;
    }
    return {kPositionWidth, longWidth, longWidth, shortWidth, shortWidth};
}

}  // namespace tabrin::editing
