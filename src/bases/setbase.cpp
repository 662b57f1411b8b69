// The enumeration base: every enumeration of the program, loaded from and saved to its file.
#include "bases/setbase.h"

#include <algorithm>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "bases/basefile.h"
#include "bases/numbering.h"

namespace tabrin::bases {

std::filesystem::path SetBase::filePath(const std::filesystem::path& programFolder) {
    return programFolder / "xml_DB" / "SetBase.xml";
}

bool SetBase::load(const std::filesystem::path& file, app::MessagePort& port) {
    const std::optional<BaseSection> loaded = openBaseSection(file, "Sets", port);
    if (!loaded) return false;
    m_elements.clear();
    m_elements.reserve(static_cast<std::size_t>(loaded->section.childCount()));
    for (int i = 0; i < loaded->section.childCount(); ++i) {
        m_elements.emplace_back().readFromXml(loaded->section.child(i));
    }
    m_unreadFile = loaded->readCleanly ? std::filesystem::path() : file;
    m_modified = false;
    return true;
}

model::TOperationResult SetBase::save(const std::filesystem::path& file) {
    if (isUnreadFile(m_unreadFile, file)) return unreadBaseResult(file);
    model::XMLNode document = model::createProgramDocument();
    model::XMLNode sets = document.addChild("root").addChild("Sets");
    for (const SetBaseElement& element : m_elements) element.writeToXml(sets);
    model::TOperationResult result = writeBaseDocument(document, file);
    if (result.ok()) m_modified = false;
    return result;
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
    for (const SetBaseElement& e : m_elements) ids.push_back(app::toInteger(e.id).value_or(0));
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
