// What both bases share: elements in file order, their file, and the modified flag.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "app/messageport.h"
#include "bases/basefile.h"

namespace tabrin::bases {

/// `Element` reads itself from an XML element and writes itself below a parent element.
template <typename Element>
class BaseStore {
public:
    const std::vector<Element>& elements() const { return m_elements; }
    std::vector<Element>& elements() { return m_elements; }

    /// False after the last load met a parsing fault (the base then holds what could be read).
    bool readCleanly() const { return m_unreadFile.empty(); }
    /// How many elements the last load read from its file.
    std::size_t elementsRead() const { return m_elementsRead; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    /// Reads every element of the section: false (and the base untouched) when `file` does not
    /// exist. A parsing fault is told through `port`; the base keeps what could be read.
    bool load(const std::filesystem::path& file, app::MessagePort& port) {
        const std::optional<BaseSection> loaded = openBaseSection(file, m_sectionName, port);
        if (!loaded) return false;
        m_elements.clear();
        m_elements.reserve(static_cast<std::size_t>(loaded->section.childCount()));
        for (int i = 0; i < loaded->section.childCount(); ++i) {
            m_elements.emplace_back().readFromXml(loaded->section.child(i));
        }
        m_unreadFile = loaded->readCleanly ? std::filesystem::path() : file;
        m_elementsRead = m_elements.size();
        m_modified = false;
        return true;
    }

    /// Whether saving into `file` would replace the file whose reading went wrong.
    bool wouldOverwriteUnread(const std::filesystem::path& file) const { return isUnreadFile(m_unreadFile, file); }

    /// Writes every element into `file`, never over a file whose reading went wrong unless the
    /// user agreed to lose the rest of it (`overwriteUnread`). Clears the modified flag only when
    /// the file was written; from then on the file holds the base.
    xml::TOperationResult save(const std::filesystem::path& file, bool overwriteUnread = false) {
        const bool unread = wouldOverwriteUnread(file);
        if (unread && !overwriteUnread) return unreadBaseResult(file);
        xml::XMLNode document = xml::createProgramDocument();
        xml::XMLNode section = document.addChild("root").addChild(m_sectionName);
        for (Element& element : m_elements) {
            // A base written without one of its elements would lose it for good: write nothing.
            if (const xml::TOperationResult written = element.writeToXml(section); !written.ok()) {
                return unwrittenElementResult(written, element.id);
            }
        }
        xml::TOperationResult result = writeBaseDocument(document, file);
        if (result.ok()) m_modified = false;
        if (result.ok() && unread) m_unreadFile.clear();
        return result;
    }

protected:
    explicit BaseStore(std::string_view sectionName) : m_sectionName(sectionName) {}

    std::vector<Element> m_elements;
    bool m_modified = false;

private:
    std::string_view m_sectionName;
    std::filesystem::path m_unreadFile;  // a file whose reading went wrong, never to be overwritten
    std::size_t m_elementsRead = 0;
};

}  // namespace tabrin::bases
