// The dictionary grid as a page: its filters and display mode, the rows they show, the selection
// kept by object number across fills, and the rules of its clicks and scrolling.
#include "editing/dictionarygrid.h"

#include <algorithm>

#include "app/cp1251.h"
#include "app/translator.h"
#include "model/profile.h"

namespace tabrin::editing {

void DictionaryGrid::fill(const GridSources& sources) {
    const std::optional<int> keptNumber =
        m_selectedRow ? std::optional<int>(m_rows[static_cast<std::size_t>(*m_selectedRow)].number) : std::nullopt;
    m_rows = fillDictionaryRows(sources.profile, filters, displayMode, sources.texts, sources.sets, sources.language,
                                sources.translator);
    m_viewObjectCount = static_cast<int>(sources.profile.view().size());
    m_selectedRow.reset();
    if (!keptNumber) return;
    const auto found =
        std::find_if(m_rows.begin(), m_rows.end(), [&](const DictionaryRow& row) { return row.number == *keptNumber; });
    if (found != m_rows.end()) m_selectedRow = static_cast<int>(found - m_rows.begin());
}

void DictionaryGrid::clear() {
    m_rows.clear();
    m_viewObjectCount = 0;
    m_selectedRow.reset();
}

void DictionaryGrid::select(std::optional<int> row) {
    if (row && (*row < 0 || *row >= static_cast<int>(m_rows.size()))) row.reset();
    m_selectedRow = row;
    if (row) m_currentNumber = m_rows[static_cast<std::size_t>(*row)].number;
}

std::optional<int> DictionaryGrid::groupRow(int position, const model::Profile& profile) const {
    const std::string wanted = std::to_string(position);
    const auto& view = profile.view();
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [&](const DictionaryRow& row) {
        return row.number >= 0 && row.number < static_cast<int>(view.size()) &&
               view[static_cast<std::size_t>(row.number)]->group == wanted;
    });
    if (found == m_rows.end()) return std::nullopt;
    return static_cast<int>(found - m_rows.begin());
}

std::optional<app::Message> DictionaryGrid::groupColumnRefusal(int row, app::Translator& translator) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return std::nullopt;
    if (m_rows[static_cast<std::size_t>(row)].cells[2] == "00h") return std::nullopt;
    const auto tr = [&](const char* russian) { return translator.translateText(cp1251::fromUtf8(russian)); };
    return app::Message{tr("Ошибка"),
                        tr("Группу можно выбирать только для корневых или единичных элементов (у которых подындекс "
                           "00h)."),
                        app::MessageButtons::Ok, app::MessageIcon::Warning};
}

int firstVisibleRowShowing(int selected, int firstVisible, int visibleRows) {
    if (selected < firstVisible || selected >= firstVisible + visibleRows) return selected;
    return firstVisible;
}

}  // namespace tabrin::editing
