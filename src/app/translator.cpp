// The interface translation: the dictionary "lang_dict.xml" that maps Russian texts and window
// properties to English ones and collects the texts it could not translate.
#include "app/translator.h"

#include <sstream>

#include "app/cp1251.h"
#include "app/fileread.h"
#include "app/filewrite.h"

namespace tabrin::app {
namespace {

constexpr const char* kRussianAttribute = "RUS";
constexpr const char* kEnglishAttribute = "ENG";
// The dictionary grows by the texts it could not translate, but never near this.
constexpr std::uintmax_t kMaxDictionaryFileSize = 64 * 1024 * 1024;

// pugixml's wide strings are UTF-32 here; the conversions below rely on that.
static_assert(sizeof(wchar_t) == 4, "pugixml's wide strings must hold whole code points");

template <typename Number, typename Unit>
std::uint32_t hashUnits(std::basic_string_view<Unit> text) {
    std::uint32_t hash = 0;
    std::uint32_t factor = 63689;
    for (auto unit = text.rbegin(); unit != text.rend(); ++unit) {
        hash = hash * factor + static_cast<std::uint32_t>(static_cast<Number>(*unit));
        factor *= 378551;
    }
    return hash;
}

std::u16string utf8ToUtf16(const std::string& utf8) {
    std::u16string out;
    for (const wchar_t unit : pugi::as_wide(utf8)) {
        const auto codePoint = static_cast<char32_t>(unit);
        if (codePoint < 0x10000) {
            out += static_cast<char16_t>(codePoint);
        } else {
            out += static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        }
    }
    return out;
}

// Keys become element names. A key that is no XML name could never be read back, and writing
// it would make the whole file unreadable, so such a key is neither looked up nor recorded.
bool isXmlName(std::string_view key) {
    const auto isStartChar = [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
    };
    const auto isNameChar = [&](unsigned char c) {
        return isStartChar(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
    };
    if (key.empty() || !isStartChar(static_cast<unsigned char>(key.front()))) return false;
    for (const char c : key) {
        if (!isNameChar(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// A text of blanks alone (written as character references, or "&#0;", which ends the text at
// once) would be written as plain blanks, which the next reading drops: saving twice would not
// give the same file. Such texts carry nothing, so they go when the file is read.
void dropBlankTexts(pugi::xml_node node) {
    for (pugi::xml_node child = node.first_child(); child;) {
        const pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata &&
            std::string_view(child.value()).find_first_not_of(" \t\r\n") == std::string_view::npos) {
            node.remove_child(child);
        } else {
            dropBlankTexts(child);
        }
        child = next;
    }
}

void setAttribute(pugi::xml_node node, const char* name, const char* value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) attribute = node.append_attribute(name);
    attribute.set_value(value);
}

}  // namespace

std::uint32_t textHash(std::string_view text) { return hashUnits<signed char>(text); }

std::uint32_t textHash(std::u16string_view text) { return hashUnits<std::uint16_t>(text); }

std::string propertyKey(const std::vector<std::string>& componentChain, std::string_view propertyName) {
    std::string key;
    for (const std::string& name : componentChain) {
        if (name.empty()) continue;
        key += name;
        key += '-';
    }
    key += propertyName;
    return key;
}

std::string itemPropertyName(int position) { return "Items-Strings_" + std::to_string(position); }

void Translator::loadDictionary(const std::filesystem::path& path, int language) {
    m_english = language != 0;
    m_path = path;
    m_entries.clear();

    // The entries are top-level elements with no common root, which pugixml reads as children of
    // the document. A file with no entries at all (even without any element) is a valid empty
    // dictionary; a file that exists but cannot be read (no regular file, too large) or does not
    // parse is kept away from saveDictionary.
    m_document.reset();
    const FileReadResult file = readRegularFile(path, kMaxDictionaryFileSize);
    m_mayWrite = file.status == FileReadStatus::Missing;
    if (!file.read()) return;
    const pugi::xml_parse_result result = m_document.load_buffer(
        file.bytes.data(), file.bytes.size(), pugi::parse_default | pugi::parse_declaration | pugi::parse_comments);
    m_mayWrite = result || result.status == pugi::status_no_document_element;
    if (!m_mayWrite) {
        m_document.reset();
        return;
    }
    dropBlankTexts(m_document);
    for (const pugi::xml_node entry : m_document.children()) {
        if (entry.type() == pugi::node_element) m_entries.emplace(entry.name(), entry);
    }
}

std::string Translator::translateText(std::string_view text) {
    if (!m_english) return std::string(text);
    const std::optional<std::string> english = lookUpOrRecordText(textHash(text), cp1251::toUtf8(text));
    return english ? cp1251::fromUtf8(*english) : std::string(text);
}

std::u16string Translator::translateWideText(std::u16string_view text) {
    if (!m_english) return std::u16string(text);
    const std::optional<std::string> english = lookUpOrRecordText(textHash(text), cp1251::utf16ToUtf8(text));
    return english ? utf8ToUtf16(*english) : std::u16string(text);
}

std::string Translator::translateProperty(const std::vector<std::string>& componentChain, std::string_view propertyName,
                                          std::string_view currentValue) {
    if (!m_english || currentValue.empty()) return std::string(currentValue);
    const std::optional<std::string> english =
        lookUpOrRecord(propertyKey(componentChain, propertyName), cp1251::toUtf8(currentValue));
    return english ? cp1251::fromUtf8(*english) : std::string(currentValue);
}

bool Translator::saveDictionary() {
    if (!m_mayWrite) return false;
    // The declaration is written anew: what the file had may name another encoding, repeat an
    // attribute or hold "?>" in a value, which would end the declaration early when written back.
    if (m_document.first_child().type() == pugi::node_declaration) m_document.remove_child(m_document.first_child());
    pugi::xml_node declaration = m_document.prepend_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";

    std::ostringstream text;
    m_document.save(text, "\t", pugi::format_indent, pugi::encoding_utf8);
    return writeFileAtomically(m_path, text.str()).written();
}

std::optional<std::string> Translator::lookUpOrRecordText(std::uint32_t hash, const std::string& russianUtf8) {
    // An empty text hashes to 0; such a text is never looked up or recorded.
    if (hash == 0) return std::nullopt;
    return lookUpOrRecord("_" + std::to_string(hash), russianUtf8);
}

std::optional<std::string> Translator::lookUpOrRecord(const std::string& key, const std::string& russianUtf8) {
    if (!isXmlName(key)) return std::nullopt;
    auto [found, added] = m_entries.try_emplace(key);
    pugi::xml_node& entry = found->second;
    if (added) {
        entry = m_document.append_child(key.c_str());
    } else if (const char* value = entry.attribute(valueAttribute()).value(); *value != '\0') {
        return std::string(value);
    }
    setAttribute(entry, kRussianAttribute, russianUtf8.c_str());
    setAttribute(entry, valueAttribute(), "");
    return std::nullopt;
}

const char* Translator::valueAttribute() const { return m_english ? kEnglishAttribute : kRussianAttribute; }

}  // namespace tabrin::app
