// The file conventions both bases share: a `root` element holding one section of elements.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "app/messageport.h"
#include "xml/operationresult.h"
#include "xml/xmlparser.h"

namespace tabrin::bases {

struct BaseSection {
    xml::XMLNode section;    // empty when the document could not be read
    bool readCleanly;        // false when the parser reported anything, warnings included
};

/// Opens a base file and takes the section below `root`, telling the user about a parsing fault.
/// Nothing when the file does not exist.
std::optional<BaseSection> openBaseSection(const std::filesystem::path& file, std::string_view sectionName,
                                           app::MessagePort& port);

/// The outcome of writing a base document to its file.
xml::TOperationResult writeBaseDocument(const xml::XMLNode& document, const std::filesystem::path& file);

/// Whether `file` is the one whose reading went wrong (`unreadFile` empty: none did).
bool isUnreadFile(const std::filesystem::path& unreadFile, const std::filesystem::path& file);

/// Refusal to write a base one of whose elements (numbered `id`) could not be written.
xml::TOperationResult unwrittenElementResult(const xml::TOperationResult& written, std::string_view id);

/// Refusal to overwrite a base file that was not read without faults: its content would be lost.
xml::TOperationResult unreadBaseResult(const std::filesystem::path& file);

}  // namespace tabrin::bases
