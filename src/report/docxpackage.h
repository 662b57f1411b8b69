// The .docx file: the document and the parts every word processor needs around it, zipped.
#pragma once

#include <filesystem>
#include <memory>

#include "app/filewrite.h"
#include "report/documentmodel.h"
#include "report/documentxml.h"

namespace tabrin::report {

class DeflatedText;

/// A .docx package whose document is compressed part by part as it is handed over, so that only
/// the compressed text is ever held. Its parts come in a fixed order with fixed attributes and
/// the time of writing, or the instant SOURCE_DATE_EPOCH names, so that the same document written
/// at that instant gives the same bytes.
class DocxPackage {
public:
    DocxPackage();
    ~DocxPackage();
    DocxPackage(const DocxPackage&) = delete;
    DocxPackage& operator=(const DocxPackage&) = delete;

    /// Takes the document's paragraphs and tables, in order.
    DocumentSink& document() { return m_xml; }

    /// Ends the document with its page margins and writes the package to `file`, replacing it
    /// only when the whole package was written.
    app::FileWriteResult write(const PageMargins& margins, const std::filesystem::path& file);

private:
    std::unique_ptr<DeflatedText> m_mainPart;
    DocumentXmlWriter m_xml;
};

/// Writes the package of a document held whole.
app::FileWriteResult writeDocx(const Document& document, const std::filesystem::path& file);

}  // namespace tabrin::report
