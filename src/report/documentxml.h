// The main part of a .docx package: the document as WordprocessingML, written part by part as the
// parts become final.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "report/documentmodel.h"

namespace tabrin::report {

/// Receives the parts of a document in document order, each once it will not change any more.
class DocumentSink {
public:
    virtual ~DocumentSink() = default;

    virtual void paragraph(const Paragraph& paragraph) = 0;
    /// A table begins: its cell margins and, from `firstRow`, its column widths.
    virtual void tableStart(const Table& table, const TableRow& firstRow) = 0;
    virtual void tableRow(const TableRow& row) = 0;
    virtual void tableEnd() = 0;
};

/// Writes word/document.xml, UTF-8: paragraphs, tables with fixed column widths, and one A4
/// section with the document's margins. The text goes to the output in pieces of a few ten
/// kilobytes, so that a document of any length is never held whole.
class DocumentXmlWriter final : public DocumentSink {
public:
    using Output = std::function<void(std::string_view text)>;

    /// Starts the document with its declaration.
    explicit DocumentXmlWriter(Output output);

    void paragraph(const Paragraph& paragraph) override;
    void tableStart(const Table& table, const TableRow& firstRow) override;
    void tableRow(const TableRow& row) override;
    void tableEnd() override;

    /// Ends the document with its section and hands over the rest of the text.
    void finish(const PageMargins& margins);

private:
    void flushWhenFull();

    Output m_output;
    std::string m_text;
};

/// Hands every part of a document held whole to `sink`.
void sendDocument(const Document& document, DocumentSink& sink);

}  // namespace tabrin::report
