// The storage behind XMLNode handles, shared by the reader, the writer and the node operations.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/xmlparser.h"

namespace tabrin::model {

struct XMLClear {
    ClearKind kind;
    std::string text;
};

struct NodeData {
    enum class ContentKind : std::uint8_t { Child, Text, Clear };
    struct Content {
        ContentKind kind;
        std::uint32_t index;  // into children, texts or clears
    };

    std::string name;
    bool isDeclaration = false;
    std::vector<XMLAttribute> attributes;
    std::vector<Content> contents;  // document order of everything below
    std::vector<std::unique_ptr<NodeData>> children;
    std::vector<std::string> texts;
    std::vector<XMLClear> clears;

    NodeData& appendChild(std::string name, bool declaration) {
        contents.push_back({ContentKind::Child, static_cast<std::uint32_t>(children.size())});
        auto& child = *children.emplace_back(std::make_unique<NodeData>());
        child.name = std::move(name);
        child.isDeclaration = declaration;
        return child;
    }
    void appendText(std::string text) {
        contents.push_back({ContentKind::Text, static_cast<std::uint32_t>(texts.size())});
        texts.push_back(std::move(text));
    }
    void appendClear(ClearKind kind, std::string text) {
        contents.push_back({ContentKind::Clear, static_cast<std::uint32_t>(clears.size())});
        clears.push_back({kind, std::move(text)});
    }
};

/// The opening and closing marks of a clear section.
struct ClearMarks {
    std::string_view open;
    std::string_view close;
};
ClearMarks clearMarks(ClearKind kind);

/// Parses a whole document; a hard error gives no tree.
std::shared_ptr<NodeData> readDocument(std::string_view text, CharacterMode mode, XMLResults& results);

/// Appends the text of `node` (the contents alone for a document node) to `out`.
void writeNode(const NodeData& node, bool formatted, std::string& out);

}  // namespace tabrin::model
