// The main part of a .docx package: the document as WordprocessingML.
#pragma once

#include <string>

#include "report/documentmodel.h"

namespace tabrin::report {

/// The text of word/document.xml, UTF-8: paragraphs, tables with fixed column widths, and one
/// A4 section with the document's margins.
std::string documentXml(const Document& document);

}  // namespace tabrin::report
