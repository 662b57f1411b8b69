// The text base: every text of the program, ordered by number, loaded from and saved to its file.
#include "bases/textbase.h"

#include <algorithm>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "bases/elementname.h"
#include "bases/numbering.h"

namespace tabrin::bases {
namespace {

int numberOrZero(std::string_view text) { return app::toInteger(text).value_or(0); }

}  // namespace

std::string textOfKind(const TextBaseElement& element, int kind) {
    switch (kind) {
    case 1: return element.teng;
    case 2: return element.text;
    default: return element.trus;
    }
}

std::filesystem::path TextBase::filePath(const std::filesystem::path& programFolder) {
    return programFolder / "xml_DB" / "TextBase.xml";
}

int TextBase::find(std::string_view number) const {
    const std::optional<int> wanted = app::toInteger(number);
    if (!wanted || m_elements.empty()) return -1;
    const auto numberAt = [&](int i) { return numberOrZero(m_elements[static_cast<std::size_t>(i)].textid); };
    int lo = 0;
    int hi = static_cast<int>(m_elements.size()) - 1;
    if (*wanted < numberAt(lo) || *wanted > numberAt(hi)) return -1;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const int atMid = numberAt(mid);
        if (atMid == *wanted) return mid;
        if (*wanted < atMid) hi = mid - 1;
        else lo = mid + 1;
    }
    // A base out of number order may send the search below the first element.
    return hi >= 0 && numberAt(hi) == *wanted ? hi : -1;
}

int TextBase::findExact(std::string_view number) const {
    const std::string wanted = cp1251::trim(number);
    const auto found = std::find_if(m_elements.begin(), m_elements.end(),
                                    [&](const TextBaseElement& e) { return e.textid == wanted; });
    return found == m_elements.end() ? -1 : static_cast<int>(found - m_elements.begin());
}

int TextBase::addText(bool reuseOwnEmpty, std::string_view user) {
    if (m_elements.empty()) return -1;
    if (reuseOwnEmpty) {
        const auto own = std::find_if(m_elements.begin(), m_elements.end(), [&](const TextBaseElement& e) {
            return e.author == user && e.hasNoTexts();
        });
        if (own != m_elements.end()) return static_cast<int>(own - m_elements.begin());
    }
    std::vector<int> ids;
    std::vector<int> textids;
    for (const TextBaseElement& e : m_elements) {
        if (const std::optional<int> id = numberTaken(e.id)) ids.push_back(*id);
        if (const std::optional<int> textid = numberTaken(e.textid)) textids.push_back(*textid);
    }
    const std::optional<int> id = nextFreeNumber(ids, kMaxTextNumber);
    const std::optional<int> textid = nextFreeNumber(textids, kMaxTextNumber);
    if (!id || !textid) return -1;

    TextBaseElement element;
    element.id = std::to_string(*id);
    element.textid = std::to_string(*textid);
    element.sets = "0";
    element.author = std::string(user);
    // A number below the greatest (once the range is used up) goes where the number order wants it.
    const auto position = std::find_if(m_elements.begin(), m_elements.end(),
                                       [&](const TextBaseElement& e) { return numberOrZero(e.textid) > *textid; });
    const auto inserted = m_elements.insert(position, std::move(element));
    m_modified = true;
    return static_cast<int>(inserted - m_elements.begin());
}

}  // namespace tabrin::bases
