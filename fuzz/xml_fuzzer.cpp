// The XML document layer: any bytes parse without a memory fault, and a parsed tree written as
// text (formatted or not) parses back into the same tree.
#include <string_view>

#include "fuzzcheck.h"
#include "xml/xmlparser.h"

namespace tabrin::fuzz {
namespace {

using xml::XMLNode;

bool sameTree(const XMLNode& a, const XMLNode& b) {
    if (a.name() != b.name() || a.isDeclaration() != b.isDeclaration()) return false;
    if (a.attributeCount() != b.attributeCount() || a.textCount() != b.textCount() || a.childCount() != b.childCount()) {
        return false;
    }
    for (int i = 0; i < a.attributeCount(); ++i) {
        if (a.attribute(i)->name != b.attribute(i)->name || a.attribute(i)->value != b.attribute(i)->value) return false;
    }
    for (int i = 0; i < a.textCount(); ++i) {
        if (a.text(i) != b.text(i)) return false;
    }
    for (int i = 0; i < a.childCount(); ++i) {
        if (!sameTree(a.child(i), b.child(i))) return false;
    }
    return true;
}

// `parsed` is what parsing the tree reported: a tree without elements is told so again.
void checkWrittenTree(const XMLNode& tree, const xml::XMLResults& parsed, bool formatted) {
    const std::string written = tree.createXMLString(formatted);
    xml::XMLResults results;
    const XMLNode reread = XMLNode::parseString(written, {}, &results);
    const bool noElements = parsed.error == xml::XMLError::NoXMLTagFound;
    require(results.error == (noElements ? xml::XMLError::NoXMLTagFound : xml::XMLError::None),
            "a written tree parses without a fault");
    require(sameTree(tree, reread), "a written tree parses into the same tree");
    require(reread.createXMLString(formatted) == written, "a reread tree is written the same");
}

}  // namespace
}  // namespace tabrin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabrin;
    const std::string bytes = fuzz::bytesOf(data, size);
    // Opening a file chooses the character mode from its first bytes.
    xml::setCharacterMode(
        xml::guessCharacterMode(std::string_view(bytes).substr(0, 200), xml::CharacterMode::EightBit));
    xml::XMLResults results;
    const xml::XMLNode tree = xml::XMLNode::parseString(bytes, {}, &results);
    if (tree.isEmpty()) return 0;
    fuzz::checkWrittenTree(tree, results, true);
    fuzz::checkWrittenTree(tree, results, false);
    return 0;
}
