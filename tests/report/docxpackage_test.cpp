// The .docx package: the parts a word processor looks for, and the document's formatting as
// WordprocessingML.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "report/docxpackage.h"
#include "report/documentwriter.h"
#include "report/documentxml.h"
#include "support/docxreader.h"
#include "support/scopedenvironment.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::report {
namespace {

using test::DocxDocument;

class DocxPackageTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return m_folder.path() / "document.docx"; }

    test::TempFolder m_folder;
};

pugi::xml_node parsed(pugi::xml_document& xml, const std::optional<std::string>& bytes) {
    EXPECT_TRUE(bytes);
    EXPECT_TRUE(bytes && xml.load_buffer(bytes->data(), bytes->size()));
    return xml.first_child();
}

TEST_F(DocxPackageTest, PartsOfAWordDocumentWithTheirTypesAndRelationships) {
    ASSERT_TRUE(writeDocx(DocumentWriter().document(), file()).written());
    EXPECT_EQ(test::zipEntryNames(file()),
              (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/styles.xml",
                                        "word/_rels/document.xml.rels"}));

    pugi::xml_document types;
    const pugi::xml_node typesRoot = parsed(types, test::zipEntry(file(), "[Content_Types].xml"));
    EXPECT_STREQ(typesRoot.find_child_by_attribute("Override", "PartName", "/word/document.xml")
                     .attribute("ContentType")
                     .value(),
                 "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    EXPECT_TRUE(typesRoot.find_child_by_attribute("Override", "PartName", "/word/styles.xml"));
    EXPECT_TRUE(typesRoot.find_child_by_attribute("Default", "Extension", "rels"));

    pugi::xml_document packageRelationships;
    EXPECT_STREQ(parsed(packageRelationships, test::zipEntry(file(), "_rels/.rels"))
                     .child("Relationship")
                     .attribute("Target")
                     .value(),
                 "word/document.xml");
    pugi::xml_document documentRelationships;
    EXPECT_STREQ(parsed(documentRelationships, test::zipEntry(file(), "word/_rels/document.xml.rels"))
                     .child("Relationship")
                     .attribute("Target")
                     .value(),
                 "styles.xml");
    pugi::xml_document styles;
    EXPECT_STREQ(parsed(styles, test::zipEntry(file(), "word/styles.xml")).name(), "w:styles");
}

// The time and the Unix attributes every entry of the package records.
struct EntryStamp {
    std::time_t time;
    zip_uint8_t system;
    zip_uint32_t attributes;
};

std::vector<EntryStamp> entryStamps(const std::filesystem::path& file) {
    std::vector<EntryStamp> stamps;
    zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, nullptr);
    if (archive == nullptr) return stamps;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        EntryStamp stamp{};
        if (zip_stat_index(archive, index, 0, &stat) == 0) stamp.time = stat.mtime;
        zip_file_get_external_attributes(archive, index, 0, &stamp.system, &stamp.attributes);
        stamps.push_back(stamp);
    }
    zip_discard(archive);
    return stamps;
}

TEST_F(DocxPackageTest, EntriesCarryTheTimeOfWritingOrTheInstantOfSourceDateEpoch) {
    const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    struct Case {
        const char* name;
        const char* epoch;  // SOURCE_DATE_EPOCH, unset when null
        std::time_t expected;
    };
    // ZIP archives keep local time in steps of two seconds, so the fixed instant is an even one.
    for (const Case& c : {Case{"SOURCE_DATE_EPOCH set", "1700000000", 1700000000}, Case{"unset", nullptr, now}}) {
        SCOPED_TRACE(c.name);
        const test::ScopedEnvironment epoch("SOURCE_DATE_EPOCH", c.epoch);
        ASSERT_TRUE(writeDocx(DocumentWriter().document(), file()).written());
        const std::vector<EntryStamp> stamps = entryStamps(file());
        ASSERT_EQ(stamps.size(), 5u);
        for (const EntryStamp& stamp : stamps) {
            EXPECT_LE(std::abs(stamp.time - c.expected), c.epoch ? 0 : 4);
            EXPECT_EQ(stamp.system, ZIP_OPSYS_UNIX);
            EXPECT_EQ(stamp.attributes, 0100644u << 16) << "a regular file, rw-r--r--";
        }
    }
}

TEST_F(DocxPackageTest, ALongDocumentReadsBackWhole) {
    DocumentWriter writer;
    writer.typeText("long");
    writer.addTable(1, 3);
    for (int cell = 0; cell < 3 * 2000; ++cell) {
        writer.typeText("cell " + std::to_string(cell) + " & more");
        writer.moveToNextCell();
    }
    std::string expected;
    DocumentXmlWriter xml([&](std::string_view piece) { expected += piece; });
    sendDocument(writer.document(), xml);
    xml.finish(writer.document().margins);
    ASSERT_GT(expected.size(), 1000000u);

    ASSERT_TRUE(writeDocx(writer.document(), file()).written());
    // Reading an entry checks its length and CRC against the archive's records.
    const std::optional<std::string> mainPart = test::zipEntry(file(), "word/document.xml");
    ASSERT_TRUE(mainPart);
    EXPECT_TRUE(*mainPart == expected);
    EXPECT_LT(std::filesystem::file_size(file()), expected.size() / 10) << "the document is compressed";
}

TEST_F(DocxPackageTest, ColoursBordersPaddingAndAlignmentAsWordprocessingMl) {
    DocumentWriter writer;
    writer.setParagraphAlignment(ParagraphAlignment::Justify);
    writer.typeText(test::w("  Пуск & стоп  "));
    writer.addTable(1, 1);
    writer.setTablePadding(2.835, 5.67);
    writer.setCellShading(0x0000FF, 0xFF8000);  // Word's colours are 0xBBGGRR
    writer.setColumnBorders(LineStyle::None);
    writer.setCellVerticalAlignment(VerticalAlignment::Bottom);
    ASSERT_TRUE(writeDocx(writer.document(), file()).written());

    DocxDocument document;
    ASSERT_TRUE(document.load(file()));
    const pugi::xml_node text = document.body().child("w:p").child("w:r").child("w:t");
    EXPECT_STREQ(text.child_value(), "  Пуск & стоп  ");
    EXPECT_STREQ(text.attribute("xml:space").value(), "preserve");
    EXPECT_STREQ(document.body().child("w:p").child("w:pPr").child("w:jc").attribute("w:val").value(), "both");

    const pugi::xml_node table = document.tables().at(0);
    const pugi::xml_node margins = table.child("w:tblPr").child("w:tblCellMar");
    EXPECT_STREQ(margins.child("w:left").attribute("w:w").value(), "57");
    EXPECT_STREQ(margins.child("w:right").attribute("w:w").value(), "113");
    EXPECT_STREQ(table.child("w:tblPr").child("w:tblLayout").attribute("w:type").value(), "fixed");
    const pugi::xml_node cell = table.child("w:tr").child("w:tc").child("w:tcPr");
    EXPECT_STREQ(cell.child("w:shd").attribute("w:color").value(), "FF0000");
    EXPECT_STREQ(cell.child("w:shd").attribute("w:fill").value(), "0080FF");
    EXPECT_STREQ(cell.child("w:tcBorders").child("w:top").attribute("w:val").value(), "nil");
    EXPECT_STREQ(cell.child("w:vAlign").attribute("w:val").value(), "bottom");
    EXPECT_STREQ(table.child("w:tblGrid").child("w:gridCol").attribute("w:w").value(),
                 cell.child("w:tcW").attribute("w:w").value());
}

}  // namespace
}  // namespace tabrin::report
