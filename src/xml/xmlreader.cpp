// Parsing XML bytes into a node tree, with error codes and positions instead of exceptions.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "app/cp1251.h"
#include "xml/xmlnodedata.h"

namespace tabrin::xml {
namespace {

// A name runs up to a blank or a character that has a meaning inside tags.
constexpr auto kEndsName = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : std::string_view(" \t\r\n/>=<?!\"'\0", 14)) table[c] = true;
    return table;
}();

bool endsName(char c) { return kEndsName[static_cast<unsigned char>(c)]; }

// `prefix` is lower-case ASCII.
bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c) != prefix[i]) return false;
    }
    return true;
}

// Writes the UTF-8 form of a code point at `out`; gives its length.
std::size_t writeUtf8(char* out, unsigned long cp) {
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | (cp >> 6));
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (cp >> 12));
        out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (cp >> 18));
    out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

// The value of a numeric reference after "&#" (at `text`) and the length up to and including
// its ';'; nothing when it is malformed.
std::optional<std::pair<unsigned long, std::size_t>> numericReference(std::string_view text) {
    const bool hex = !text.empty() && (text[0] == 'x' || text[0] == 'X');
    std::size_t i = hex ? 1 : 0;
    unsigned long value = 0;
    const std::size_t firstDigit = i;
    for (; i < text.size() && text[i] != ';'; ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
        if (value > 0x10FFFF) return std::nullopt;
    }
    if (i == firstDigit || i == text.size() || value == 0) return std::nullopt;
    return std::pair{value, i + 1};
}

// Writes the character of a numeric reference at `out`; gives its length, never more than the
// reference's own ("&#N;"), so that texts can be decoded in place.
std::size_t writeReferencedCharacter(char* out, unsigned long value, CharacterMode mode) {
    if (mode == CharacterMode::Utf8) return writeUtf8(out, value);
    // Documents hold Windows-1251: a character above the byte range is written as its code page byte.
    out[0] = value < 0x100 ? static_cast<char>(value) : cp1251::fromCodePoint(static_cast<char32_t>(value));
    return 1;
}

// Replaces the entities of `text` in place and shortens the view to the decoded bytes. On an
// unknown entity returns false with `bad` at its '&'.
bool decodeInPlace(std::string_view& text, char* writable, CharacterMode mode, std::size_t& bad) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
    std::size_t amp = text.find('&');
    if (amp == std::string_view::npos) return true;
    std::size_t read = amp;
    std::size_t written = amp;
    while (read < text.size()) {
        if (text[read] != '&') {
            writable[written++] = text[read++];
            continue;
        }
        const std::string_view rest = text.substr(read + 1);
        std::size_t used = 0;
        if (!rest.empty() && rest[0] == '#') {
            if (const auto reference = numericReference(rest.substr(1))) {
                written += writeReferencedCharacter(writable + written, reference->first, mode);
                used = reference->second + 1;
            }
        } else {
            for (const auto& [name, character] : kNamed) {
                if (startsWithNoCase(rest, name)) {
                    writable[written++] = character;
                    used = name.size();
                    break;
                }
            }
        }
        if (used == 0) {
            bad = read;
            return false;
        }
        read += 1 + used;
    }
    text = text.substr(0, written);
    return true;
}

class Reader {
public:
    Reader(XMLDocument& document, CharacterMode mode, const StreamedElements* streamed)
        : m_document(document),
          m_text(document.source),
          m_writable(document.source.data()),
          m_mode(mode),
          m_streamed(streamed) {}

    bool run(XMLResults& results) {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
        if (std::all_of(m_text.begin() + static_cast<std::ptrdiff_t>(m_pos), m_text.end(), isXmlBlank)) {
            results = {XMLError::Empty, 0, 0};
            return false;
        }
        NodeData* root = m_document.root;
        m_open.push_back(root);
        while (m_error == XMLError::None && m_pos < m_text.size()) step();
        if (m_error != XMLError::None) {
            results = {m_error, m_errorLine, m_errorColumn};
            return false;
        }
        if (m_open.size() > 1 && m_warning == XMLError::None) warn(XMLError::MissingEndTag, m_text.size());
        if (m_warning == XMLError::None &&
            std::none_of(root->children.begin(), root->children.end(), [](const NodeData* c) { return !c->isDeclaration; })) {
            warn(XMLError::NoXMLTagFound, m_text.size());
        }
        results = {m_warning, m_warningLine, m_warningColumn};
        return true;
    }

private:
    NodeData& current() { return *m_open.back(); }

    std::pair<int, int> position(std::size_t offset) const {
        const std::string_view before = m_text.substr(0, offset);
        const auto line = 1 + std::count(before.begin(), before.end(), '\n');
        const std::size_t lineStart = before.rfind('\n');
        const std::size_t column = lineStart == std::string_view::npos ? offset + 1 : offset - lineStart;
        return {static_cast<int>(line), static_cast<int>(column)};
    }

    void fail(XMLError error, std::size_t offset) {
        m_error = error;
        std::tie(m_errorLine, m_errorColumn) = position(offset);
    }

    void warn(XMLError warning, std::size_t offset) {
        if (m_warning != XMLError::None) return;
        m_warning = warning;
        std::tie(m_warningLine, m_warningColumn) = position(offset);
    }

    void skipBlanks() {
        while (m_pos < m_text.size() && isXmlBlank(m_text[m_pos])) ++m_pos;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool lookingAt(std::string_view s) const { return m_text.substr(m_pos, s.size()) == s; }

    std::string_view readName() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !endsName(m_text[m_pos])) ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    // The text at [from, to) with its entities decoded in place; nothing on an unknown entity.
    std::optional<std::string_view> decoded(std::size_t from, std::size_t to) {
        std::string_view text = m_text.substr(from, to - from);
        std::size_t bad = 0;
        if (decodeInPlace(text, m_writable + from, m_mode, bad)) return text;
        fail(XMLError::UnknownCharacterEntity, from + bad);
        return std::nullopt;
    }

    void step() {
        const std::size_t lt = m_text.find('<', m_pos);
        const std::size_t textEnd = lt == std::string_view::npos ? m_text.size() : lt;
        if (textEnd > m_pos) readText(m_pos, textEnd);
        m_pos = textEnd;
        if (m_error != XMLError::None || atEnd()) return;
        if (lookingAt("<!--")) readClear(ClearKind::Comment);
        else if (lookingAt("<![CDATA[")) readClear(ClearKind::CData);
        else if (startsWithNoCase(m_text.substr(m_pos), "<!doctype")) readDocType();
        else if (lookingAt("</")) readEndTag();
        else if (lookingAt("<?")) readStartTag(true);
        else readStartTag(false);
    }

    // Text runs lose their surrounding blanks; runs of blanks alone are layout and are dropped.
    void readText(std::size_t from, std::size_t to) {
        while (from < to && isXmlBlank(m_text[from])) ++from;
        while (to > from && isXmlBlank(m_text[to - 1])) --to;
        if (from == to) return;
        if (const auto text = decoded(from, to)) XMLDocument::appendText(current(), *text);
    }

    void readClear(ClearKind kind) {
        const ClearMarks marks = clearMarks(kind);
        const std::size_t start = m_pos + marks.open.size();
        const std::size_t end = m_text.find(marks.close, start);
        if (end == std::string_view::npos) return fail(XMLError::UnmatchedEndClearTag, m_pos);
        XMLDocument::appendClear(current(), kind, m_text.substr(start, end - start));
        m_pos = end + marks.close.size();
    }

    // A document type may hold an internal subset in brackets, which may itself hold '>'.
    void readDocType() {
        const std::size_t start = m_pos + clearMarks(ClearKind::DocType).open.size();
        int brackets = 0;
        for (std::size_t i = start; i < m_text.size(); ++i) {
            const char c = m_text[i];
            if (c == '[') ++brackets;
            else if (c == ']' && brackets > 0) --brackets;
            else if (c == '>' && brackets == 0) {
                XMLDocument::appendClear(current(), ClearKind::DocType, m_text.substr(start, i - start));
                m_pos = i + 1;
                return;
            }
        }
        fail(XMLError::UnmatchedEndClearTag, m_pos);
    }

    void readEndTag() {
        const std::size_t tagStart = m_pos;
        m_pos += 2;
        const std::string_view name = readName();
        if (name.empty()) return fail(XMLError::MissingEndTagName, m_pos);
        skipBlanks();
        if (atEnd() || m_text[m_pos] != '>') return fail(XMLError::UnexpectedToken, m_pos);
        ++m_pos;
        // An end tag may close several elements at once when inner end tags are missing.
        for (std::size_t depth = m_open.size(); depth-- > 1;) {
            if (m_open[depth]->name != name) continue;
            if (depth != m_open.size() - 1) warn(XMLError::MissingEndTag, tagStart);
            if (m_streamedDepth != 0 && m_streamedDepth >= depth) sendStreamed(*m_open[m_streamedDepth]);
            m_open.resize(depth);
            return;
        }
        fail(XMLError::UnmatchedEndTag, tagStart);
    }

    void readStartTag(bool declaration) {
        m_pos += declaration ? 2 : 1;
        const std::string_view name = readName();
        if (name.empty()) return fail(XMLError::MissingTagName, m_pos);
        const bool streamed = current().streamsChildren;
        NodeData& node =
            streamed ? newStreamedElement(name, declaration) : XMLDocument::appendChild(current(), name, declaration);
        m_attributes.clear();
        while (true) {
            skipBlanks();
            if (atEnd()) return fail(XMLError::UnexpectedToken, m_pos);
            const bool endsEmpty = declaration ? lookingAt("?>") : lookingAt("/>");
            const bool endsOpen = !declaration && m_text[m_pos] == '>';
            if (endsEmpty || endsOpen) {
                m_pos += endsEmpty ? 2 : 1;
                node.attributes.assign(m_attributes.begin(), m_attributes.end());
                if (m_streamed && m_streamedDepth == 0 && !streamed) {
                    node.streamsChildren = m_streamed->stream->streamsChildrenOf(
                        m_streamed->handle(&node), static_cast<int>(m_open.size()),
                        endsEmpty ? std::string_view() : m_text.substr(m_pos));
                }
                if (endsEmpty) {
                    if (streamed) sendStreamed(node);
                    return;
                }
                if (m_open.size() > static_cast<std::size_t>(kMaxNestingDepth)) {
                    return fail(XMLError::UnexpectedToken, m_pos - 1);
                }
                if (streamed) m_streamedDepth = m_open.size();
                m_open.push_back(&node);
                return;
            }
            if (!readAttribute()) return;
        }
    }

    // A streamed element and everything below it live in the scratch arena until it is sent.
    NodeData& newStreamedElement(std::string_view name, bool declaration) {
        NodeData& node = *XMLDocument::newNode(m_scratch);
        node.name = name;
        node.isDeclaration = declaration;
        return node;
    }

    void sendStreamed(NodeData& node) {
        m_streamed->stream->take(m_streamed->handle(&node));
        m_streamedDepth = 0;
        m_scratch.release();
    }

    bool readAttribute() {
        const std::string_view name = readName();
        if (name.empty()) {
            fail(XMLError::UnexpectedToken, m_pos);
            return false;
        }
        XMLAttribute& attribute = m_attributes.emplace_back(XMLAttribute{name, std::nullopt});
        skipBlanks();
        if (atEnd() || m_text[m_pos] != '=') return true;
        ++m_pos;
        skipBlanks();
        if (atEnd() || (m_text[m_pos] != '"' && m_text[m_pos] != '\'')) {
            fail(XMLError::UnexpectedToken, m_pos);
            return false;
        }
        const char quote = m_text[m_pos];
        const std::size_t start = m_pos + 1;
        const std::size_t end = m_text.find(quote, start);
        if (end == std::string_view::npos) {
            fail(XMLError::UnexpectedToken, m_pos);
            return false;
        }
        m_pos = end + 1;
        attribute.value = decoded(start, end);
        return attribute.value.has_value();
    }

    XMLDocument& m_document;
    std::string_view m_text;  // the document's bytes, read ahead of where they are decoded
    char* m_writable;         // the same bytes, written behind the reading
    CharacterMode m_mode;
    const StreamedElements* m_streamed;
    std::vector<XMLAttribute> m_attributes;  // of the tag being read
    std::size_t m_pos = 0;
    std::vector<NodeData*> m_open;  // the document node, then each open element
    std::size_t m_streamedDepth = 0;  // where in `m_open` the streamed element being read is, if any
    ChunkArena m_scratch;             // of the streamed element being read
    XMLError m_error = XMLError::None;
    int m_errorLine = 0;
    int m_errorColumn = 0;
    XMLError m_warning = XMLError::None;
    int m_warningLine = 0;
    int m_warningColumn = 0;
};

bool isValidUtf8Prefix(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) length = 2;
            else if ((lead & 0xF0) == 0xE0) length = 3;
            else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) length = 4;
            else return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= text.size()) return true;  // cut by the end of the examined bytes
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

std::string declaredEncoding(std::string_view text) {
    const std::size_t key = text.find("encoding");
    if (key == std::string_view::npos) return {};
    std::size_t i = key + 8;
    while (i < text.size() && isXmlBlank(text[i])) ++i;
    if (i >= text.size() || text[i] != '=') return {};
    ++i;
    while (i < text.size() && isXmlBlank(text[i])) ++i;
    if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) return {};
    const std::size_t end = text.find(text[i], i + 1);
    if (end == std::string_view::npos) return {};
    return cp1251::lower(text.substr(i + 1, end - i - 1));
}

bool readDocument(XMLDocument& document, CharacterMode mode, XMLResults& results, const StreamedElements* streamed) {
    return Reader(document, mode, streamed).run(results);
}

CharacterMode guessCharacterMode(std::string_view text, CharacterMode current) {
    if (text.size() < 25) return current;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") return CharacterMode::Utf8;
    const bool validUtf8 = isValidUtf8Prefix(text);
    const std::string encoding = declaredEncoding(text);
    if (encoding.empty()) return validUtf8 ? CharacterMode::Utf8 : CharacterMode::EightBit;
    if (encoding == "utf-8" || encoding == "utf8") return validUtf8 ? CharacterMode::Utf8 : CharacterMode::EightBit;
    if (encoding == "shiftjis" || encoding == "shift-jis" || encoding == "sjis") return CharacterMode::ShiftJis;
    return CharacterMode::EightBit;
}

}  // namespace tabrin::xml
