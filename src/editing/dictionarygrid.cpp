// The dictionary grid as a page: its filters and display mode, the rows they show, the selection
// kept by object identity across fills, and the rules of its clicks and scrolling.
#include "editing/dictionarygrid.h"

#include <algorithm>
#include <unordered_set>

#include "app/translator.h"
#include "model/profile.h"

namespace tabrin::editing {

void DictionaryGrid::fill(const model::Profile& profile, const model::Services& services) {
    m_rows = fillDictionaryRows(profile, filters, displayMode, services.sets, services.language, services.translator);
    const auto& view = profile.view();
    m_viewObjectCount = static_cast<int>(view.size());
    // Selected objects no row shows any more are selected no more.
    selectObjects(m_selectedObjects);
    m_selectedObjects.clear();
    for (const int row : m_selectedRows) m_selectedObjects.push_back(m_rows[static_cast<std::size_t>(row)].serial);
    const auto current = std::find_if(view.begin(), view.end(), [&](const model::DictObject* object) {
        return object->serial == m_currentObject;
    });
    if (current != view.end()) m_currentNumber = (*current)->number;
}

void DictionaryGrid::clear() {
    m_rows.clear();
    m_viewObjectCount = 0;
    m_selectedObjects.clear();
    m_selectedRows.clear();
}

void DictionaryGrid::select(std::optional<int> row) {
    selectRows(row ? std::vector<int>{*row} : std::vector<int>{});
    setCurrent(row);
}

void DictionaryGrid::setCurrent(std::optional<int> row) {
    if (!row || *row < 0 || *row >= static_cast<int>(m_rows.size())) return;
    const DictionaryRow& current = m_rows[static_cast<std::size_t>(*row)];
    m_currentObject = current.serial;
    m_currentNumber = current.number;
}

void DictionaryGrid::selectRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_selectedObjects.clear();
    m_selectedRows.clear();
    for (const int row : rows) {
        if (row < 0 || row >= static_cast<int>(m_rows.size())) continue;
        m_selectedObjects.push_back(m_rows[static_cast<std::size_t>(row)].serial);
        m_selectedRows.push_back(row);
    }
}

void DictionaryGrid::selectObjects(std::vector<model::ObjectSerial> objects) {
    const std::unordered_set<model::ObjectSerial> wanted(objects.begin(), objects.end());
    m_selectedObjects = std::move(objects);
    m_selectedRows.clear();
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (wanted.contains(m_rows[row].serial)) m_selectedRows.push_back(static_cast<int>(row));
    }
}

std::optional<int> DictionaryGrid::selectedRow() const {
    if (m_selectedRows.empty()) return std::nullopt;
    return m_selectedRows.front();
}

std::optional<int> DictionaryGrid::rowOf(model::ObjectSerial object) const {
    const auto found =
        std::find_if(m_rows.begin(), m_rows.end(), [&](const DictionaryRow& row) { return row.serial == object; });
    if (found == m_rows.end()) return std::nullopt;
    return static_cast<int>(found - m_rows.begin());
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
    return app::Message{translator.tr("Ошибка"),
                        translator.tr("Группу можно выбирать только для корневых или единичных элементов (у которых подындекс "
                           "00h)."),
                        app::MessageButtons::Ok, app::MessageIcon::Warning};
}

int firstVisibleRowShowing(int selected, int firstVisible, int visibleRows) {
    if (selected < firstVisible || selected >= firstVisible + visibleRows) return selected;
    return firstVisible;
}

int restoredFirstVisibleRow(int firstVisible, bool wasAtEnd, int rowCount, int visibleRows) {
    if (!wasAtEnd) return firstVisible;
    return std::max(0, rowCount - visibleRows);
}

}  // namespace tabrin::editing
