// Parsing XML bytes into a node tree, with error codes and positions instead of exceptions.
#include <algorithm>
#include <cstring>
#include <vector>

#include "app/cp1251.h"
#include "model/xmlnodedata.h"

namespace tabrin::model {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A name runs up to a blank or a character that has a meaning inside tags.
bool endsName(char c) { return isBlank(c) || std::strchr("/>=<?!\"'", c) != nullptr || c == '\0'; }

// `prefix` is lower-case ASCII.
bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c) != prefix[i]) return false;
    }
    return true;
}

void appendUtf8(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes a numeric reference after "&#" (at `text`); gives the length up to and including ';'.
std::size_t decodeNumericReference(std::string_view text, CharacterMode mode, std::string& out) {
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
        if (digit < 0) return 0;
        value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
        if (value > 0x10FFFF) return 0;
    }
    if (i == firstDigit || i == text.size() || value == 0) return 0;
    if (mode == CharacterMode::Utf8) appendUtf8(out, value);
    else if (value < 0x100) out += static_cast<char>(value);
    else out += cp1251::fromCodePoint(static_cast<char32_t>(value));  // documents hold Windows-1251
    return i + 1;
}

// Replaces entities; on an unknown one returns false with `bad` at its '&'.
bool decodeEntities(std::string_view raw, CharacterMode mode, std::string& out, std::size_t& bad) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
    out.clear();
    out.reserve(raw.size());
    std::size_t pos = 0;
    while (pos < raw.size()) {
        const std::size_t amp = raw.find('&', pos);
        if (amp == std::string_view::npos) {
            out.append(raw.substr(pos));
            break;
        }
        out.append(raw.substr(pos, amp - pos));
        const std::string_view rest = raw.substr(amp + 1);
        std::size_t used = 0;
        if (!rest.empty() && rest[0] == '#') {
            const std::size_t length = decodeNumericReference(rest.substr(1), mode, out);
            used = length ? length + 1 : 0;
        } else {
            for (const auto& [name, character] : kNamed) {
                if (startsWithNoCase(rest, name)) {
                    out += character;
                    used = name.size();
                    break;
                }
            }
        }
        if (used == 0) {
            bad = amp;
            return false;
        }
        pos = amp + 1 + used;
    }
    return true;
}

class Reader {
public:
    Reader(std::string_view text, CharacterMode mode) : m_text(text), m_mode(mode) {}

    std::shared_ptr<NodeData> run(XMLResults& results) {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
        if (std::all_of(m_text.begin() + static_cast<std::ptrdiff_t>(m_pos), m_text.end(), isBlank)) {
            results = {XMLError::Empty, 0, 0};
            return nullptr;
        }
        auto root = std::make_shared<NodeData>();
        m_open.push_back(root.get());
        while (m_error == XMLError::None && m_pos < m_text.size()) step();
        if (m_error != XMLError::None) {
            results = {m_error, m_errorLine, m_errorColumn};
            return nullptr;
        }
        if (m_open.size() > 1 && m_warning == XMLError::None) warn(XMLError::MissingEndTag, m_text.size());
        if (m_warning == XMLError::None &&
            std::none_of(root->children.begin(), root->children.end(), [](const auto& c) { return !c->isDeclaration; })) {
            warn(XMLError::NoXMLTagFound, m_text.size());
        }
        results = {m_warning, m_warningLine, m_warningColumn};
        return root;
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
        while (m_pos < m_text.size() && isBlank(m_text[m_pos])) ++m_pos;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool lookingAt(std::string_view s) const { return m_text.substr(m_pos, s.size()) == s; }

    std::string_view readName() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !endsName(m_text[m_pos])) ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    bool decodeInto(std::string_view raw, std::size_t rawOffset, std::string& out) {
        std::size_t bad = 0;
        if (decodeEntities(raw, m_mode, out, bad)) return true;
        fail(XMLError::UnknownCharacterEntity, rawOffset + bad);
        return false;
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
        while (from < to && isBlank(m_text[from])) ++from;
        while (to > from && isBlank(m_text[to - 1])) --to;
        if (from == to) return;
        std::string decoded;
        if (decodeInto(m_text.substr(from, to - from), from, decoded)) current().appendText(std::move(decoded));
    }

    void readClear(ClearKind kind) {
        const ClearMarks marks = clearMarks(kind);
        const std::size_t start = m_pos + marks.open.size();
        const std::size_t end = m_text.find(marks.close, start);
        if (end == std::string_view::npos) return fail(XMLError::UnmatchedEndClearTag, m_pos);
        current().appendClear(kind, std::string(m_text.substr(start, end - start)));
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
                current().appendClear(ClearKind::DocType, std::string(m_text.substr(start, i - start)));
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
            m_open.resize(depth);
            return;
        }
        fail(XMLError::UnmatchedEndTag, tagStart);
    }

    void readStartTag(bool declaration) {
        m_pos += declaration ? 2 : 1;
        const std::string_view name = readName();
        if (name.empty()) return fail(XMLError::MissingTagName, m_pos);
        NodeData& node = current().appendChild(std::string(name), declaration);
        while (true) {
            skipBlanks();
            if (atEnd()) return fail(XMLError::UnexpectedToken, m_pos);
            if (declaration ? lookingAt("?>") : lookingAt("/>")) {
                m_pos += 2;
                return;
            }
            if (!declaration && m_text[m_pos] == '>') {
                ++m_pos;
                if (m_open.size() > static_cast<std::size_t>(kMaxNestingDepth)) {
                    return fail(XMLError::UnexpectedToken, m_pos - 1);
                }
                m_open.push_back(&node);
                return;
            }
            if (!readAttribute(node)) return;
        }
    }

    bool readAttribute(NodeData& node) {
        const std::string_view name = readName();
        if (name.empty()) {
            fail(XMLError::UnexpectedToken, m_pos);
            return false;
        }
        XMLAttribute& attribute = node.attributes.emplace_back(XMLAttribute{std::string(name), std::nullopt});
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
        return decodeInto(m_text.substr(start, end - start), start, attribute.value.emplace());
    }

    std::string_view m_text;
    CharacterMode m_mode;
    std::size_t m_pos = 0;
    std::vector<NodeData*> m_open;  // the document node, then each open element
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

// The value of `encoding="..."` among the first bytes, lower-cased; empty when there is none.
std::string declaredEncoding(std::string_view text) {
    const std::size_t key = text.find("encoding");
    if (key == std::string_view::npos) return {};
    std::size_t i = key + 8;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i >= text.size() || text[i] != '=') return {};
    ++i;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) return {};
    const std::size_t end = text.find(text[i], i + 1);
    if (end == std::string_view::npos) return {};
    return cp1251::lower(text.substr(i + 1, end - i - 1));
}

}  // namespace

std::shared_ptr<NodeData> readDocument(std::string_view text, CharacterMode mode, XMLResults& results) {
    return Reader(text, mode).run(results);
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

}  // namespace tabrin::model
