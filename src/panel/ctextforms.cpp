// How texts go into the C panel files: quote handling, the enumeration reference, string
// literals and packed 16-bit words.
#include "panel/ctextforms.h"

namespace tabrin::panel {
namespace {

constexpr int kReferenceBase = 224;
constexpr int kReferenceOffset = 32;

}  // namespace

std::string withQuotesHandled(std::string_view text) {
    std::string handled(text);
    for (std::size_t first; (first = handled.find('"')) != std::string::npos;) {
        handled.erase(first, 1);
        const std::size_t next = handled.find('"');
        handled.insert(next == std::string::npos ? 0 : next, "~X");
    }
    return handled;
}

std::string enumerationReference(int setNumber) {
    std::string reference = "~k";
    reference += static_cast<char>(setNumber % kReferenceBase + kReferenceOffset);
    if (setNumber >= kReferenceBase) reference += static_cast<char>(setNumber / kReferenceBase + kReferenceOffset);
    return reference;
}

std::string stringLiteral(std::string_view content) {
    std::string literal = "\"";
    for (const char c : content) {
        if (c == '"' || c == '\\') literal += '\\';
        literal += c;
    }
    return literal + '"';
}

std::string packedWords(std::string_view bytes) {
    std::string words;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[i]);
        const unsigned second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        words += std::to_string(second * 256 + first) + ",";
    }
    return words;
}

}  // namespace tabrin::panel
