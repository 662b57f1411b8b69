// Writing a node tree as text: one TAB per level, LF line ends, the five entities escaped.
#include <cstring>
#include <string>

#include "xml/xmlnodedata.h"
#include "xml/xmlstreamwriter.h"

namespace tabrin::xml {
namespace {

void appendEscaped(std::string_view text, std::string& out) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t special = text.find_first_of("&<>\"'", pos);
        if (special == std::string_view::npos) {
            out.append(text.substr(pos));
            return;
        }
        out.append(text.substr(pos, special - pos));
        switch (text[special]) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += "&apos;"; break;
        }
        pos = special + 1;
    }
}

// A text whose first or last bytes are blanks keeps them as character references: written as
// they are, they would be taken for layout and lost on reading.
void appendTextRun(std::string_view text, std::string& out) {
    std::size_t first = 0;
    while (first < text.size() && isXmlBlank(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && isXmlBlank(text[last - 1])) --last;
    const auto appendReferences = [&out](std::string_view blanks) {
        for (const char blank : blanks) out += "&#" + std::to_string(static_cast<unsigned char>(blank)) + ";";
    };
    appendReferences(text.substr(0, first));
    appendEscaped(text.substr(first, last - first), out);
    appendReferences(text.substr(last));
}

class Writer {
public:
    Writer(bool formatted, std::string& out) : m_formatted(formatted), m_out(out) {}

    void writeContents(const NodeData& node, int depth) {
        for (const NodeData::Content& content : node.contents) {
            switch (content.kind) {
            case NodeData::ContentKind::Child:
                writeElement(*node.children[content.index], depth);
                break;
            case NodeData::ContentKind::Text:
                indent(depth);
                appendTextRun(node.texts[content.index], m_out);
                endLine();
                break;
            case NodeData::ContentKind::Clear: {
                const XMLClear& clear = node.clears[content.index];
                const ClearMarks marks = clearMarks(clear.kind);
                indent(depth);
                m_out.append(marks.open).append(clear.text).append(marks.close);
                endLine();
                break;
            }
            }
        }
    }

    // The start tag without its end: "<name" and the attributes.
    void writeStartTag(std::string_view name, std::span<const XMLAttribute> attributes, bool declaration, int depth) {
        indent(depth);
        m_out += declaration ? "<?" : "<";
        m_out += name;
        for (const XMLAttribute& attribute : attributes) {
            m_out += ' ';
            m_out += attribute.name;
            if (!attribute.value) continue;
            m_out += "=\"";
            appendEscaped(*attribute.value, m_out);
            m_out += '"';
        }
    }

    void writeEndTag(std::string_view name, int depth) {
        indent(depth);
        m_out += "</";
        m_out += name;
        m_out += '>';
        endLine();
    }

    void writeElement(const NodeData& node, int depth) {
        writeStartTag(node.name, {node.attributes.data(), node.attributes.size()}, node.isDeclaration, depth);
        if (node.isDeclaration) {
            m_out += "?>";
        } else if (node.contents.empty()) {
            m_out += "/>";
        } else {
            m_out += '>';
            endLine();
            writeContents(node, depth + 1);
            writeEndTag(node.name, depth);
            return;
        }
        endLine();
    }

    void indent(int depth) {
        if (m_formatted) m_out.append(static_cast<std::size_t>(depth), '\t');
    }
    void endLine() {
        if (m_formatted) m_out += '\n';
    }

private:
    bool m_formatted;
    std::string& m_out;
};

}  // namespace

void XMLStreamWriter::open(std::string_view name, std::span<const XMLAttribute> attributes) {
    enter();
    Writer(true, m_out).writeStartTag(name, attributes, false, static_cast<int>(m_open.size()));
    m_open.emplace_back(name);
    m_startTagOpen = true;
}

void XMLStreamWriter::close() {
    Writer writer(true, m_out);
    const std::string name = std::move(m_open.back());
    m_open.pop_back();
    if (m_startTagOpen) {
        m_out += "/>";
        writer.endLine();
        m_startTagOpen = false;
        return;
    }
    writer.writeEndTag(name, static_cast<int>(m_open.size()));
}

void XMLStreamWriter::write(const XMLNode& node) {
    if (!node.m_node) return;
    enter();
    Writer(true, m_out).writeElement(*node.m_node, static_cast<int>(m_open.size()));
}

void XMLStreamWriter::enter() {
    if (!m_startTagOpen) return;
    m_out += '>';
    m_out += '\n';
    m_startTagOpen = false;
}

void writeNode(const NodeData& node, bool formatted, std::string& out) {
    Writer writer(formatted, out);
    const bool isDocument = node.name.empty() && !node.isDeclaration;
    if (!isDocument) return writer.writeElement(node, 0);
    const std::size_t start = out.size();
    writer.writeContents(node, 0);
    // Reading skips a byte-order mark at the start of a document; a text that starts with those
    // bytes keeps them behind a line feed, which reading drops as layout.
    if (std::string_view(out).substr(start).starts_with("\xEF\xBB\xBF")) out.insert(start, "\n");
}

}  // namespace tabrin::xml
