// The .docx file: the document and the parts every word processor needs around it, zipped.
#include "report/docxpackage.h"

#include <zip.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "app/eventlog.h"
#include "report/deflatedtext.h"

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
bool addPart(zip_t* archive, const char* name, zip_source_t* data, std::time_t time) {
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

// The main part as it was compressed, and how much of it the archive has read.
struct CompressedPart {
    const DeflatedText& text;
    std::size_t read = 0;
};

// Hands the archive the compressed main part with the length and CRC of its text, so that the
// archive stores it without compressing it again.
zip_int64_t readCompressed(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    CompressedPart& part = *static_cast<CompressedPart*>(state);
    const std::string& bytes = part.text.compressed();
    switch (command) {
    case ZIP_SOURCE_OPEN: part.read = 0; return 0;
    case ZIP_SOURCE_READ: {
        const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(length), bytes.size() - part.read);
        std::memcpy(data, bytes.data() + part.read, count);
        part.read += count;
        return static_cast<zip_int64_t>(count);
    }
    case ZIP_SOURCE_STAT: {
        auto* stat = static_cast<zip_stat_t*>(data);
        zip_stat_init(stat);
        stat->size = part.text.textSize();
        stat->comp_size = bytes.size();
        stat->crc = part.text.crc();
        stat->comp_method = ZIP_CM_DEFLATE;
        stat->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC | ZIP_STAT_COMP_METHOD;
        return sizeof *stat;
    }
    case ZIP_SOURCE_ERROR: return 2 * sizeof(int);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE: return 0;
    default: return -1;
    }
}

std::optional<std::string> readWhole(zip_source_t* source) {
    zip_stat_t stat;
    if (zip_source_stat(source, &stat) < 0 || (stat.valid & ZIP_STAT_SIZE) == 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    if (zip_source_open(source) < 0) return std::nullopt;
    const zip_int64_t count = zip_source_read(source, bytes.data(), bytes.size());
    zip_source_close(source);
    if (count != static_cast<zip_int64_t>(bytes.size())) return std::nullopt;
    return bytes;
}

// The bytes of the package around the compressed main part.
std::optional<std::string> packageBytes(const DeflatedText& mainPart) {
    // The archive is built in memory, so that the file is written in one piece.
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, nullptr));
    if (!buffer) return std::nullopt;
    Archive archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr));
    if (!archive) return std::nullopt;
    // Closing the archive releases the source it was opened on; the bytes are still to be read from it.
    zip_source_keep(buffer.get());
    CompressedPart compressed{mainPart};
    zip_t* zip = archive.get();
    const auto fixed = [zip](std::string_view bytes) { return zip_source_buffer(zip, bytes.data(), bytes.size(), 0); };
    const std::pair<const char*, zip_source_t*> parts[] = {
        {"[Content_Types].xml", fixed(kContentTypes)},
        {"_rels/.rels", fixed(kPackageRelationships)},
        {"word/document.xml", zip_source_function(zip, readCompressed, &compressed)},
        {"word/styles.xml", fixed(kStyles)},
        {"word/_rels/document.xml.rels", fixed(kDocumentRelationships)},
    };
    // The parts' time is the time of writing, or the instant SOURCE_DATE_EPOCH names.
    const std::time_t time = std::chrono::system_clock::to_time_t(app::currentTime());
    bool added = true;
    for (const auto& [name, data] : parts) {
        if (added) added = addPart(zip, name, data, time);
        else if (data != nullptr) zip_source_free(data);
    }
    if (!added || zip_close(zip) < 0) return std::nullopt;
    archive.release();
    return readWhole(buffer.get());
}

}  // namespace

DocxPackage::DocxPackage()
    : m_mainPart(std::make_unique<DeflatedText>()),
      m_xml([part = m_mainPart.get()](std::string_view text) { part->append(text); }) {}

DocxPackage::~DocxPackage() = default;

app::FileWriteResult DocxPackage::write(const PageMargins& margins, const std::filesystem::path& file) {
    m_xml.finish(margins);
    if (!m_mainPart->finish()) return {app::FileWriteStatus::CannotWrite, 0};
    const std::optional<std::string> package = packageBytes(*m_mainPart);
    if (!package) return {app::FileWriteStatus::CannotWrite, 0};
    return app::writeFileAtomically(file, *package);
}

app::FileWriteResult writeDocx(const Document& document, const std::filesystem::path& file) {
    DocxPackage package;
    sendDocument(document, package.document());
    return package.write(document.margins, file);
}

}  // namespace tabrin::report
