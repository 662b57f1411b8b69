// Finding the manual: the word of the interface language, PDF before Word documents, name order.
#include <gtest/gtest.h>

#include "app/manual.h"
#include "support/tempfolder.h"

namespace tabrin::app {
namespace {

namespace fs = std::filesystem;

TEST(Manual, FoundByLanguageAndKind) {
    struct Row {
        const char* name;
        std::vector<std::string> files;  // UTF-8 names in Manual/
        bool english;
        std::string found;  // empty: none
    };
    const Row rows[] = {
        {"Russian PDF", {"Tabrin_Руководство.pdf", "Tabrin_manual.pdf"}, false, "Tabrin_Руководство.pdf"},
        {"English PDF", {"Tabrin_Руководство.pdf", "Tabrin_Manual.PDF"}, true, "Tabrin_Manual.PDF"},
        {"PDF before Word", {"a_manual.docx", "b_manual.pdf"}, true, "b_manual.pdf"},
        {"Word when there is no PDF", {"manual.docx", "manual.txt"}, true, "manual.docx"},
        {"old Word", {"manual.doc"}, true, "manual.doc"},
        {"two more characters are too many", {"manual.docxx", "manual.pdf.bak"}, true, ""},
        {"first in name order", {"z_manual.pdf", "a_manual.pdf"}, true, "a_manual.pdf"},
        {"no word of the language", {"Tabrin.pdf"}, false, ""},
        {"no folder", {}, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempFolder program;
        for (const std::string& file : row.files) test::writeFile(program.path() / "Manual" / file, "x");
        const std::optional<fs::path> manual = findManual(program.path(), row.english);
        const std::optional<fs::path> expected =
            row.found.empty() ? std::nullopt : std::optional<fs::path>(program.path() / "Manual" / row.found);
        EXPECT_EQ(manual, expected);
    }
}

}  // namespace
}  // namespace tabrin::app
