// The enumeration base: every enumeration of the program, loaded from and saved to its file.
#include "bases/setbase.h"

#include <algorithm>

#include "app/cp1251.h"
#include "bases/elementname.h"
#include "bases/numbering.h"

namespace tabrin::bases {

std::filesystem::path SetBase::filePath(const std::filesystem::path& programFolder) {
    return programFolder / "xml_DB" / "SetBase.xml";
}

int SetBase::find(std::string_view number) const {
    const std::string wanted = cp1251::trim(number);
    const auto found = std::find_if(m_elements.begin(), m_elements.end(),
                                    [&](const SetBaseElement& e) { return e.id == wanted; });
    return found == m_elements.end() ? -1 : static_cast<int>(found - m_elements.begin());
}

const SetBaseElement* SetBase::findSet(std::string_view number) const {
    const int position = find(number);
    return position < 0 ? nullptr : &m_elements[static_cast<std::size_t>(position)];
}

int SetBase::addSet(std::string_view user) {
    std::vector<int> ids;
    for (const SetBaseElement& e : m_elements) {
        if (const std::optional<int> id = numberTaken(e.id)) ids.push_back(*id);
    }
    const std::optional<int> id = nextFreeNumber(ids, kMaxSetNumber);
    if (!id) return -1;
    SetBaseElement& element = m_elements.emplace_back();
    element.id = std::to_string(*id);
    element.items.resize(2);
    element.author = std::string(user);
    element.rebuildJoinedText();
    m_modified = true;
    return static_cast<int>(m_elements.size()) - 1;
}

}  // namespace tabrin::bases
