// The .docx file: the document and the parts every word processor needs around it, zipped.
#include "report/docxpackage.h"

#include <chrono>
#include <ctime>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include <zip.h>

#include "app/eventlog.h"
#include "report/documentxml.h"

namespace tabrin::report {
namespace {

constexpr std::string_view kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml")"
    R"( ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/styles.xml")"
    R"( ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
    R"(</Types>)";

constexpr std::string_view kPackageRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1")"
    R"( Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument")"
    R"( Target="word/document.xml"/>)"
    R"(</Relationships>)";

constexpr std::string_view kDocumentRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles")"
    R"( Target="styles.xml"/>)"
    R"(</Relationships>)";

// Russian text, single line spacing and Word's normal table margins for whatever the document
// does not set itself.
constexpr std::string_view kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:docDefaults><w:rPrDefault><w:rPr>)"
    R"(<w:rFonts w:ascii="Times New Roman" w:eastAsia="Times New Roman" w:hAnsi="Times New Roman")"
    R"( w:cs="Times New Roman"/>)"
    R"(<w:sz w:val="24"/><w:szCs w:val="24"/><w:lang w:val="ru-RU" w:eastAsia="ru-RU" w:bidi="ar-SA"/>)"
    R"(</w:rPr></w:rPrDefault>)"
    R"(<w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault>)"
    R"(</w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>)"
    R"(<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/>)"
    R"(<w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/>)"
    R"(<w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/>)"
    R"(</w:tblCellMar></w:tblPr></w:style>)"
    R"(</w:styles>)";

struct ArchiveDiscarder {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Archive = std::unique_ptr<zip_t, ArchiveDiscarder>;
using Source = std::unique_ptr<zip_source_t, SourceFreer>;

// A regular file readable by everyone, as a Unix archiver records it.
constexpr zip_uint32_t kPartAttributes = 0100644u << 16;

// Every part carries the same time and attributes, whoever writes it and when, so that the same
// document gives the same bytes.
bool addPart(zip_t* archive, const char* name, std::string_view bytes, std::time_t time) {
    zip_source_t* data = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (data == nullptr) return false;
    const zip_int64_t index = zip_file_add(archive, name, data, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(data);
        return false;
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    return zip_file_set_mtime(archive, entry, time, 0) == 0 &&
           zip_file_set_external_attributes(archive, entry, 0, ZIP_OPSYS_UNIX, kPartAttributes) == 0;
}

std::optional<std::string> readWhole(zip_source_t* source) {
    if (zip_source_open(source) < 0) return std::nullopt;
    std::string bytes;
    char buffer[8192];
    zip_int64_t count = 0;
    while ((count = zip_source_read(source, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<std::size_t>(count));
    zip_source_close(source);
    if (count < 0) return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<std::string> docxPackage(const Document& document) {
    const std::string mainPart = documentXml(document);
    // The archive is built in memory, so that the file is written in one piece.
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, nullptr));
    if (!buffer) return std::nullopt;
    Archive archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr));
    if (!archive) return std::nullopt;
    // Closing the archive releases the source it was opened on; the bytes are still to be read from it.
    zip_source_keep(buffer.get());
    const std::pair<const char*, std::string_view> parts[] = {
        {"[Content_Types].xml", kContentTypes},
        {"_rels/.rels", kPackageRelationships},
        {"word/document.xml", mainPart},
        {"word/styles.xml", kStyles},
        {"word/_rels/document.xml.rels", kDocumentRelationships},
    };
    // The parts' time is the time of writing, or the instant SOURCE_DATE_EPOCH names.
    const std::time_t time = std::chrono::system_clock::to_time_t(app::currentTime());
    for (const auto& [name, bytes] : parts) {
        if (!addPart(archive.get(), name, bytes, time)) return std::nullopt;
    }
    if (zip_close(archive.get()) < 0) return std::nullopt;
    archive.release();
    return readWhole(buffer.get());
}

app::FileWriteResult writeDocx(const Document& document, const std::filesystem::path& file) {
    const std::optional<std::string> package = docxPackage(document);
    if (!package) return {app::FileWriteStatus::CannotWrite, 0};
    return app::writeFileAtomically(file, *package);
}

}  // namespace tabrin::report
