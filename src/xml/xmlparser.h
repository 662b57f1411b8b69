// The XML document layer of the program's own files: an element tree parsed from bytes and
// written back as formatted text, with the bytes passed through unchanged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/messageport.h"

namespace tabrin::xml {

/// Outcome of parsing or writing. Codes 1 and 2 are warnings that keep the tree built so far.
enum class XMLError {
    None = 0,
    MissingEndTag = 1,
    NoXMLTagFound = 2,
    Empty = 3,
    MissingTagName = 4,
    MissingEndTagName = 5,
    UnmatchedEndTag = 6,
    UnmatchedEndClearTag = 7,
    UnexpectedToken = 8,
    NoElements = 9,
    FileNotFound = 10,
    FirstTagNotFound = 11,
    UnknownCharacterEntity = 12,
    CharConversionError = 13,
    CannotOpenWriteFile = 14,
    CannotWriteFile = 15,
};

/// The fixed English description of a code, e.g. "Error: File not found".
std::string_view errorText(XMLError error);

struct XMLResults {
    XMLError error = XMLError::None;
    int line = 0;
    int column = 0;
};

/// How bytes are read: one byte per character, UTF-8, or Shift-JIS. Chosen when a file is
/// opened and kept for the process.
enum class CharacterMode { EightBit, Utf8, ShiftJis };

CharacterMode characterMode();
void setCharacterMode(CharacterMode mode);

/// The mode a file's first bytes call for; texts shorter than 25 bytes keep `current`.
CharacterMode guessCharacterMode(std::string_view text, CharacterMode current);

/// The value of the first `encoding="..."` in `text`, lower-cased; empty when there is none.
std::string declaredEncoding(std::string_view text);

/// The largest file `parseFile` reads; larger ones count as not found.
inline constexpr std::uintmax_t kMaxDocumentFileSize = std::uintmax_t(1) << 30;

/// Deepest element nesting a document may have; deeper input is refused as an unexpected token.
inline constexpr int kMaxNestingDepth = 2048;

/// Names and values stay valid as long as any handle to their tree lives.
struct XMLAttribute {
    std::string_view name;
    std::optional<std::string_view> value;
};

enum class ClearKind { Comment, CData, DocType };

struct NodeData;
struct XMLDocument;
class ElementStream;

/// Handle to one node of a shared tree; copies share the tree, which lives as long as any handle.
/// An empty handle is what failed lookups return: every operation on it is harmless.
class XMLNode {
public:
    XMLNode() = default;

    /// A new document node (empty name) that holds the top-level nodes.
    static XMLNode createDocument();

    /// Parses `text`. With `firstTag`, the result is that element, which must be the first
    /// top-level element (declarations before it are allowed). With `stream`, the elements it
    /// chooses go to it as they are read and are left out of the tree.
    static XMLNode parseString(std::string text, std::string_view firstTag = {}, XMLResults* results = nullptr,
                               ElementStream* stream = nullptr);
    /// Parses a regular file; anything else (a pipe, a device) counts as not found.
    static XMLNode parseFile(const std::filesystem::path& path, std::string_view firstTag = {},
                             XMLResults* results = nullptr);

    /// Parses a file and, on any non-zero code, tells the user through `port`; returns what was parsed.
    static XMLNode openFileForUser(const std::filesystem::path& path, std::string_view firstTag,
                                   app::MessagePort& port, XMLResults* results = nullptr);

    /// The text told to the user when `path` could not be parsed (Windows-1251 bytes).
    static std::string parseErrorMessage(std::string_view pathText, const XMLResults& results,
                                         std::string_view firstTag);

    bool isEmpty() const { return m_node == nullptr; }
    bool isDeclaration() const;
    std::string_view name() const;

    int childCount() const;
    int childCount(std::string_view name) const;
    XMLNode child(int index) const;
    /// The `index`-th child element called `name`.
    XMLNode child(std::string_view name, int index = 0) const;

    int attributeCount() const;
    /// The attributes in document order.
    std::span<const XMLAttribute> attributes() const;
    const XMLAttribute* attribute(int index) const;
    /// The value of an attribute; absent when there is no such attribute or it has no value.
    std::optional<std::string_view> attributeValue(std::string_view name) const;
    /// The value of an attribute, or an empty text when it is absent.
    std::string attributeText(std::string_view name) const;

    int textCount() const;
    std::string_view text(int index = 0) const;

    XMLNode addChild(std::string_view name, bool isDeclaration = false);
    void addAttribute(std::string_view name, std::optional<std::string_view> value);
    void addText(std::string_view text);
    void addClear(ClearKind kind, std::string_view text);

    /// The whole subtree as text: formatted with TABs and LFs, or on one line.
    std::string createXMLString(bool formatted = true) const;

    /// Writes the tree to `path` (replacing the file only when the whole write succeeded).
    /// A declaration is put first unless the tree starts with one; `encoding` names it.
    /// `systemError` receives the system's error number of a failure (0 when there is none).
    XMLError writeToFile(const std::filesystem::path& path, std::string_view encoding = {},
                         int* systemError = nullptr) const;

private:
    friend class XMLStreamWriter;

    XMLNode(std::shared_ptr<XMLDocument> document, NodeData* node);

    std::shared_ptr<XMLDocument> m_document;
    NodeData* m_node = nullptr;
};

/// Takes chosen elements as soon as each is complete, so that the many similar elements of a large
/// document are never held all at once: they are not kept in the tree.
class ElementStream {
public:
    virtual ~ElementStream() = default;
    /// Told of each element kept in the tree once its attributes are read, in document order;
    /// `depth` is 1 for a top-level element, `following` the text after its start tag to the end of
    /// the input (empty for an element closed in its start tag). True when its child elements are to be streamed.
    virtual bool streamsChildrenOf(const XMLNode& element, int depth, std::string_view following) = 0;
    /// A complete child element of an element whose children are streamed. The handle and the
    /// nodes below it are valid during the call only; the texts they give live as long as the tree.
    virtual void take(const XMLNode& element) = 0;
};

/// A new document whose first node is the program's own declaration:
/// <?xml version="1.0" encoding="windows-1251"?>
XMLNode createProgramDocument();

}  // namespace tabrin::xml
