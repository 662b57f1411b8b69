// The .docx file: the document and the parts every word processor needs around it, zipped.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/filewrite.h"
#include "report/documentmodel.h"

namespace tabrin::report {

/// The bytes of the .docx package of `document`; nothing when the archive could not be built.
/// Its parts come in a fixed order with fixed attributes and the time of writing, or the instant
/// SOURCE_DATE_EPOCH names, so that the same document written at that instant gives the same bytes.
std::optional<std::string> docxPackage(const Document& document);

/// Writes the package to `file`, replacing it only when the whole package was written.
app::FileWriteResult writeDocx(const Document& document, const std::filesystem::path& file);

}  // namespace tabrin::report
