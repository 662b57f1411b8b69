// An INI file of Windows-1251 bytes as Windows keeps it: read with CR LF or LF line ends, written
// with CR LF, keeping the sections, keys and comments that the program does not know.
#include "app/inifile.h"

#include "app/integertext.h"

// The values are Windows-1251 bytes and must pass through untouched: no Unicode conversion.
// The Debian header keeps the template's definitions behind SI_IMPLEMENTATION; taking them from
// the header spares the library and its ICU dependency.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "app/fileread.h"
#include "app/filewrite.h"

namespace tabrin::app {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Settings files hold a few kilobytes; a larger one is no settings file of this program.
constexpr std::uintmax_t kMaxIniFileSize = 4 * 1024 * 1024;

// The whole file; empty text for a file that does not exist, nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    FileReadResult read = readRegularFile(path, kMaxIniFileSize);
    if (read.status == FileReadStatus::Missing) return std::string();
    if (!read.read()) return std::nullopt;
    return std::move(read.bytes);
}

std::string withCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

// The text the library is given. A UTF-8 byte-order mark, which it would skip, goes first (the
// file is written without one; an editor may have put more than one), and a blank line goes before comments at the top. A section line without a name or without its closing bracket is
// left out like any other malformed line: the library would file the keys after an unclosed one
// under a name that runs on into those lines, and writes the nameless section, with its comment,
// where reading takes them for something else.
bool startsWithComment(std::string_view text) { return text.starts_with(';') || text.starts_with('#'); }

// Whether the rest of a line after its "[" holds a section name and the closing bracket.
bool namesSection(std::string_view rest) {
    const std::size_t close = rest.find(']');
    return close != std::string_view::npos && rest.substr(0, close).find_first_not_of(" \t") != std::string_view::npos;
}

std::string loadableText(std::string_view text) {
    while (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    std::string kept;
    kept.reserve(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(" \t");
        const bool malformedSection = first != std::string_view::npos && line[first] == '[' && !namesSection(line.substr(first + 1));
        if (!malformedSection) kept += line;
        if (end < text.size()) kept += text[end];
        start = end + 1;
    }
    // Comments at the top belong to the first entry, as everywhere else.
    if (startsWithComment(kept)) kept.insert(0, "\n");
    return kept;
}

// Reading gives the first bytes of a file a meaning of their own: a UTF-8 byte-order mark is
// skipped, and comment lines there become the file's comment, which the library writes apart from
// the first entry and its comment. A blank line before them keeps every comment with its entry
// (see loadableText) and a key named with those bytes a key.
void keepFirstLineMeaning(std::string& text) {
    if (startsWithComment(text) || text.starts_with(kUtf8ByteOrderMark)) text.insert(0, "\n");
}

}  // namespace

struct IniFile::Document {
    Document() { ini.SetUnicode(false); ini.SetSpaces(false); }

    const char* value(const std::string& section, const std::string& key) const {
        return ini.GetValue(section.c_str(), key.c_str(), nullptr);
    }

    CSimpleIniA ini;
};

IniFile::IniFile() : m_document(std::make_unique<Document>()) {}

IniFile::~IniFile() = default;

bool IniFile::load(const std::filesystem::path& file) {
    m_document = std::make_unique<Document>();
    const std::optional<std::string> bytes = readWholeFile(file);
    if (!bytes) return false;
    if (m_document->ini.LoadData(loadableText(*bytes)) < 0) {
        m_document = std::make_unique<Document>();
        return false;
    }
    return true;
}

void IniFile::get(const std::string& section, const std::string& key, int& value) const {
    if (const char* text = m_document->value(section, key))
        if (const std::optional<int> number = toInteger(text)) value = *number;
}

void IniFile::get(const std::string& section, const std::string& key, bool& value) const {
    int number = value ? 1 : 0;
    get(section, key, number);
    value = number != 0;
}

void IniFile::get(const std::string& section, const std::string& key, std::string& value) const {
    if (const char* text = m_document->value(section, key)) value = text;
}

void IniFile::set(const std::string& section, const std::string& key, int value) {
    set(section, key, std::to_string(value));
}

void IniFile::set(const std::string& section, const std::string& key, bool value) {
    set(section, key, std::string(value ? "1" : "0"));
}

void IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
    m_document->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
}

std::string IniFile::save(const std::filesystem::path& file) const {
    std::string text;
    if (m_document->ini.Save(text) < 0) return "cannot format the file";
    keepFirstLineMeaning(text);
    // The library ends lines the way of the system it runs on; the file is a Windows file.
    const FileWriteResult result = writeFileAtomically(file, withCrLf(text));
    if (result.written()) return {};
    std::string message = result.status == FileWriteStatus::CannotOpen ? "cannot create a file in the folder" : "cannot write the file";
    if (result.error != 0) message += ": " + systemErrorText(result.error);
    return message;
}

}  // namespace tabrin::app
