// XMLNode handles: navigation, building, file parsing and writing, and the user's error message.
#include "xml/xmlparser.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>

#include "app/cp1251.h"
#include "app/fileread.h"
#include "app/filewrite.h"
#include "xml/xmlnodedata.h"
#include "xml/xmlstreamwriter.h"

namespace tabrin::xml {
namespace {

std::atomic<CharacterMode> g_characterMode{CharacterMode::EightBit};

constexpr std::array<std::string_view, 16> kErrorTexts = {
    "No error",
    "Warning: Unmatched end tag",
    "Warning: No XML tag found",
    "Error: No XML data",
    "Error: Missing start tag name",
    "Error: Missing end tag name",
    "Error: Unmatched end tag",
    "Error: Unmatched clear tag end",
    "Error: Unexpected token found",
    "Error: No elements found",
    "Error: File not found",
    "Error: First Tag not found",
    "Error: Unknown character entity",
    "Error: unable to convert between WideChar and MultiByte chars",
    "Error: unable to open file for writing",
    "Error: cannot write into file",
};

bool declaresUtf8(const NodeData& declaration) {
    for (const XMLAttribute& attribute : declaration.attributes) {
        if (attribute.name != "encoding") continue;
        const std::string encoding = cp1251::lower(attribute.value.value_or(std::string_view()));
        return encoding == "utf-8" || encoding == "utf8";
    }
    return true;  // without an encoding a document is read as UTF-8
}

std::string headerLine(std::string_view encoding) {
    return "<?xml version=\"1.0\" encoding=\"" + std::string(encoding) + "\"?>\n";
}

}  // namespace

std::string_view errorText(XMLError error) {
    const auto index = static_cast<std::size_t>(error);
    return index < kErrorTexts.size() ? kErrorTexts[index] : std::string_view("Unknown error");
}

CharacterMode characterMode() { return g_characterMode.load(); }
void setCharacterMode(CharacterMode mode) { g_characterMode.store(mode); }

ClearMarks clearMarks(ClearKind kind) {
    switch (kind) {
    case ClearKind::Comment: return {"<!--", "-->"};
    case ClearKind::CData: return {"<![CDATA[", "]]>"};
    case ClearKind::DocType: return {"<!DOCTYPE", ">"};
    }
    return {"", ""};
}

XMLNode::XMLNode(std::shared_ptr<XMLDocument> document, NodeData* node)
    : m_document(std::move(document)), m_node(node) {}

XMLNode XMLNode::createDocument() {
    auto document = std::make_shared<XMLDocument>();
    NodeData* root = document->root;
    return XMLNode(std::move(document), root);
}

XMLNode createProgramDocument() {
    XMLNode document = XMLNode::createDocument();
    XMLNode declaration = document.addChild("xml", true);
    declaration.addAttribute("version", "1.0");
    declaration.addAttribute("encoding", "windows-1251");
    return document;
}

XMLNode XMLNode::parseString(std::string text, std::string_view firstTag, XMLResults* results, ElementStream* stream) {
    XMLResults local;
    XMLResults& outcome = results ? *results : local;
    outcome = {};
    auto document = std::make_shared<XMLDocument>();
    document->source = std::move(text);
    const auto handle = [&document](NodeData* node) { return XMLNode(document, node); };
    const StreamedElements streamed{stream, handle};
    if (!readDocument(*document, characterMode(), outcome, stream ? &streamed : nullptr)) return {};

    NodeData* found = document->root;
    if (!firstTag.empty()) {
        const auto& topLevel = document->root->children;
        const auto firstElement =
            std::find_if(topLevel.begin(), topLevel.end(), [](const NodeData* c) { return !c->isDeclaration; });
        if (firstElement == topLevel.end() || (*firstElement)->name != firstTag) {
            outcome = {firstElement == topLevel.end() ? XMLError::NoElements : XMLError::FirstTagNotFound, 0, 0};
            return {};
        }
        found = *firstElement;
    }
    return XMLNode(std::move(document), found);
}

XMLNode XMLNode::parseFile(const std::filesystem::path& path, std::string_view firstTag, XMLResults* results) {
    XMLResults local;
    XMLResults& outcome = results ? *results : local;
    outcome = {};
    app::FileReadResult read = app::readRegularFile(path, kMaxDocumentFileSize);
    if (!read.read()) {
        outcome.error = XMLError::FileNotFound;
        return {};
    }
    std::string& bytes = read.bytes;
    if (bytes.empty()) {
        outcome.error = XMLError::Empty;
        return {};
    }
    setCharacterMode(guessCharacterMode(std::string_view(bytes).substr(0, 200), characterMode()));
    return parseString(std::move(bytes), firstTag, &outcome);
}

std::string XMLNode::parseErrorMessage(std::string_view pathText, const XMLResults& results,
                                       std::string_view firstTag) {
    const bool firstTagMissing = results.error == XMLError::FirstTagNotFound;
    std::string message = "XML Parsing error inside file '" + std::string(pathText) + "'.\n" +
                          std::string(errorText(results.error)) + "\nAt line " + std::to_string(results.line) +
                          ", column " + std::to_string(results.column) + ".\n";
    if (firstTagMissing) message += "First Tag should be '" + std::string(firstTag) + "'.\n";
    return message;
}

XMLNode XMLNode::openFileForUser(const std::filesystem::path& path, std::string_view firstTag,
                                 app::MessagePort& port, XMLResults* outcome) {
    XMLResults local;
    XMLResults& results = outcome ? *outcome : local;
    XMLNode node = parseFile(path, firstTag, &results);
    if (results.error != XMLError::None) {
        port.ask({"XML Parsing error", parseErrorMessage(cp1251::fromUtf8(path.string()), results, firstTag),
                  app::MessageButtons::Ok, app::MessageIcon::Error});
    }
    return node;
}

bool XMLNode::isDeclaration() const { return m_node && m_node->isDeclaration; }

std::string_view XMLNode::name() const { return m_node ? m_node->name : std::string_view(); }

int XMLNode::childCount() const { return m_node ? static_cast<int>(m_node->children.size()) : 0; }

int XMLNode::childCount(std::string_view name) const {
    if (!m_node) return 0;
    return static_cast<int>(std::count_if(m_node->children.begin(), m_node->children.end(),
                                          [&](const NodeData* c) { return c->name == name; }));
}

XMLNode XMLNode::child(int index) const {
    if (!m_node || index < 0 || index >= childCount()) return {};
    return XMLNode(m_document, m_node->children[static_cast<std::size_t>(index)]);
}

XMLNode XMLNode::child(std::string_view name, int index) const {
    if (!m_node || index < 0) return {};
    for (NodeData* c : m_node->children) {
        if (c->name == name && index-- == 0) return XMLNode(m_document, c);
    }
    return {};
}

int XMLNode::attributeCount() const { return m_node ? static_cast<int>(m_node->attributes.size()) : 0; }

std::span<const XMLAttribute> XMLNode::attributes() const {
    if (!m_node) return {};
    return {m_node->attributes.data(), m_node->attributes.size()};
}

const XMLAttribute* XMLNode::attribute(int index) const {
    if (!m_node || index < 0 || index >= attributeCount()) return nullptr;
    return &m_node->attributes[static_cast<std::size_t>(index)];
}

std::optional<std::string_view> XMLNode::attributeValue(std::string_view name) const {
    if (!m_node) return std::nullopt;
    for (const XMLAttribute& a : m_node->attributes) {
        if (a.name == name) return a.value;
    }
    return std::nullopt;
}

std::string XMLNode::attributeText(std::string_view name) const {
    return std::string(attributeValue(name).value_or(std::string_view()));
}

int XMLNode::textCount() const { return m_node ? static_cast<int>(m_node->texts.size()) : 0; }

std::string_view XMLNode::text(int index) const {
    if (!m_node || index < 0 || index >= textCount()) return {};
    return m_node->texts[static_cast<std::size_t>(index)];
}

XMLNode XMLNode::addChild(std::string_view name, bool isDeclaration) {
    if (!m_node) return {};
    return XMLNode(m_document, &m_document->appendChild(*m_node, m_document->keep(name), isDeclaration));
}

void XMLNode::addAttribute(std::string_view name, std::optional<std::string_view> value) {
    if (!m_node) return;
    std::optional<std::string_view> kept;
    if (value) kept = m_document->keep(*value);
    m_node->attributes.push_back({m_document->keep(name), kept});
}

void XMLNode::addText(std::string_view text) {
    if (m_node) XMLDocument::appendText(*m_node, m_document->keep(text));
}

void XMLNode::addClear(ClearKind kind, std::string_view text) {
    if (m_node) XMLDocument::appendClear(*m_node, kind, m_document->keep(text));
}

std::string XMLNode::createXMLString(bool formatted) const {
    std::string out;
    if (m_node) writeNode(*m_node, formatted, out);
    return out;
}

XMLError XMLNode::writeToFile(const std::filesystem::path& path, std::string_view encoding, int* systemError) const {
    const bool isDocument = m_node && m_node->name.empty() && !m_node->isDeclaration;
    const NodeData* declaration = nullptr;
    if (isDocument && !m_node->contents.empty() && m_node->contents.front().kind == NodeData::ContentKind::Child) {
        const NodeData* first = m_node->children[m_node->contents.front().index];
        if (first->isDeclaration) declaration = first;
    } else if (isDeclaration()) {
        declaration = m_node;
    }
    const bool startsWithDeclaration = declaration != nullptr;
    std::string out;
    const CharacterMode mode = characterMode();
    // A byte-order mark would contradict a declaration that names another encoding, such as the
    // windows-1251 of the program's own files.
    if (mode == CharacterMode::Utf8 && (!declaration || declaresUtf8(*declaration))) out = "\xEF\xBB\xBF";
    if (!startsWithDeclaration) {
        if (!encoding.empty()) out += headerLine(encoding);
        else if (mode == CharacterMode::Utf8) out += headerLine("utf-8");
        else if (mode == CharacterMode::ShiftJis) out += headerLine("SHIFT-JIS");
        else out += headerLine("ISO-8859-1");
    }
    // The document is formatted into the same buffer, after the header, and written in one go.
    if (m_node) writeNode(*m_node, true, out);
    return writeDocumentText(path, out, systemError);
}

XMLError writeDocumentText(const std::filesystem::path& path, std::string_view text, int* systemError) {
    const app::FileWriteResult written = app::writeFileAtomically(path, text);
    if (systemError) *systemError = written.error;
    switch (written.status) {
    case app::FileWriteStatus::Written: return XMLError::None;
    case app::FileWriteStatus::CannotOpen: return XMLError::CannotOpenWriteFile;
    case app::FileWriteStatus::CannotWrite: return XMLError::CannotWriteFile;
    }
    return XMLError::CannotWriteFile;
}

}  // namespace tabrin::xml
