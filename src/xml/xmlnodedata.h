// The storage behind XMLNode handles: one arena per document, texts viewed in place.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory_resource>
#include <string>
#include <string_view>

#include "xml/chunkarena.h"
#include "xml/xmlparser.h"

namespace tabrin::xml {

struct XMLClear {
    ClearKind kind;
    std::string_view text;
};

/// A node and everything below it live in their document's arena and are never destroyed one
/// by one: the arena releases them all at once.
struct NodeData {
    enum class ContentKind : std::uint8_t { Child, Text, Clear };
    struct Content {
        ContentKind kind;
        std::uint32_t index;  // into children, texts or clears
    };

    explicit NodeData(std::pmr::memory_resource* arena)
        : attributes(arena), contents(arena), children(arena), texts(arena), clears(arena) {}

    std::string_view name;
    bool isDeclaration = false;
    bool streamsChildren = false;  // its child elements go to a stream instead of `children`
    std::pmr::vector<XMLAttribute> attributes;
    std::pmr::vector<Content> contents;  // document order of everything below
    std::pmr::vector<NodeData*> children;
    std::pmr::vector<std::string_view> texts;
    std::pmr::vector<XMLClear> clears;
};

/// A whole tree: the bytes it was parsed from (decoded in place), the arena of its nodes and of
/// the texts given to it while building, and its document node.
struct XMLDocument {
    std::string source;
    ChunkArena arena;
    NodeData* root;

    XMLDocument() : root(newNode()) {}

    NodeData* newNode() { return newNode(arena); }
    static NodeData* newNode(std::pmr::memory_resource& memory) {
        return std::pmr::polymorphic_allocator<NodeData>(&memory).new_object<NodeData>(&memory);
    }

    /// A copy of `text` that lives as long as the document.
    std::string_view keep(std::string_view text) {
        if (text.empty()) return {};
        char* copy = static_cast<char*>(arena.allocate(text.size(), 1));
        std::memcpy(copy, text.data(), text.size());
        return {copy, text.size()};
    }

    // A child lives where its parent does: in the document's arena, or in that of a streamed element.
    static NodeData& appendChild(NodeData& parent, std::string_view name, bool declaration) {
        NodeData* child = newNode(*parent.children.get_allocator().resource());
        child->name = name;
        child->isDeclaration = declaration;
        parent.contents.push_back({NodeData::ContentKind::Child, static_cast<std::uint32_t>(parent.children.size())});
        parent.children.push_back(child);
        return *child;
    }
    static void appendText(NodeData& parent, std::string_view text) {
        parent.contents.push_back({NodeData::ContentKind::Text, static_cast<std::uint32_t>(parent.texts.size())});
        parent.texts.push_back(text);
    }
    static void appendClear(NodeData& parent, ClearKind kind, std::string_view text) {
        parent.contents.push_back({NodeData::ContentKind::Clear, static_cast<std::uint32_t>(parent.clears.size())});
        parent.clears.push_back({kind, text});
    }
};

/// Blanks around a text run are layout: the reader drops them.
inline bool isXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

/// The opening and closing marks of a clear section.
struct ClearMarks {
    std::string_view open;
    std::string_view close;
};
ClearMarks clearMarks(ClearKind kind);

/// Where the reader sends streamed elements, and how it makes handles of its nodes for them.
struct StreamedElements {
    ElementStream* stream;
    std::function<XMLNode(NodeData*)> handle;
};

/// Parses `document.source` into `document.root`, decoding texts in place; false on a hard error.
/// With `streamed`, the elements its stream chooses go to it instead of into the tree.
bool readDocument(XMLDocument& document, CharacterMode mode, XMLResults& results,
                  const StreamedElements* streamed = nullptr);

/// Appends the text of `node` (the contents alone for a document node) to `out`.
void writeNode(const NodeData& node, bool formatted, std::string& out);

}  // namespace tabrin::xml
