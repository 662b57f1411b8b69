// Profiles that another editor saved in UTF-8: their bytes brought to the Windows-1251 that the
// program reads, so that saving them again writes what the declaration says.
#include "model/profileencoding.h"

#include <algorithm>

#include "app/cp1251.h"
#include "xml/xmlparser.h"

namespace tabrin::model {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::u16string codePointText(char32_t codePoint) {
    std::u16string text = u"'";
    if (codePoint < 0x10000) {
        text += static_cast<char16_t>(codePoint);
    } else {
        text += static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    }
    return text + u"' (" + cp1251::toUtf16(cp1251::codePointName(codePoint)) + u")";
}

}  // namespace

bool isUtf8Profile(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) return true;
    if (!text.starts_with("<?xml")) return false;
    const std::string encoding = xml::declaredEncoding(text.substr(0, text.find("?>")));
    return encoding == "utf-8" || encoding == "utf8";
}

std::optional<std::u16string> convertUtf8Profile(std::string& text, std::string_view shownPath) {
    if (!isUtf8Profile(text)) return std::nullopt;
    const std::string_view content = std::string_view(text).substr(text.starts_with(kByteOrderMark) ? 3 : 0);
    cp1251::ExactConversion converted = cp1251::fromUtf8Exactly(content);
    if (converted.complete) {
        text = std::move(converted.text);
        return std::nullopt;
    }
    const auto line = 1 + std::count(content.begin(), content.begin() + static_cast<std::ptrdiff_t>(converted.offset), '\n');
    const std::u16string where = u" on line " + cp1251::toUtf16(std::to_string(line));
    const std::u16string file = u"The profile '" + cp1251::toUtf16(shownPath) + u"' is UTF-8 text";
    if (converted.malformed) return file + u" but holds a byte that is not UTF-8" + where;
    return file + u" and holds the character " + codePointText(converted.codePoint) + where +
           u", which Windows-1251 cannot hold";
}

}  // namespace tabrin::model
