// Writing a formatted document piece by piece, for documents too large to be built as one tree:
// the bytes are those of the same tree written whole.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "xml/xmlparser.h"

namespace tabrin::xml {

class XMLStreamWriter {
public:
    /// Appends to `out`.
    explicit XMLStreamWriter(std::string& out) : m_out(out) {}

    /// The start tag of an element whose children follow; an element closed before anything is
    /// written inside it is written as an empty one.
    void open(std::string_view name, std::span<const XMLAttribute> attributes = {});
    /// Ends the element opened last.
    void close();
    /// A whole node (element or declaration) with everything below it, inside the element opened last.
    void write(const XMLNode& node);

private:
    // Ends the start tag of the element opened last, now that something goes inside it.
    void enter();

    std::string& m_out;
    std::vector<std::string> m_open;  // names of the open elements
    bool m_startTagOpen = false;      // the last start tag still lacks its end
};

/// Writes a document's text to `path` (replacing the file only when the whole text was written).
/// `systemError` receives the system's error number of a failure (0 when there is none).
XMLError writeDocumentText(const std::filesystem::path& path, std::string_view text, int* systemError = nullptr);

}  // namespace tabrin::xml
