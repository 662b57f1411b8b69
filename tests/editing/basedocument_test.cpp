// Saving a base document whose file was read with faults: replaced only after the user agrees to
// lose what could not be read, the question saying how many elements were read.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "editing/basedocument.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

// Cut off after its third text: the end of the section and of the document is missing.
const std::string kTruncatedBase =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<Texts>\n"
    "\t\t<text_1 id=\"1\" textid=\"1\" text=\"\" sets=\"0\" trus=\"a\" teng=\"\" author=\"ivan\"/>\n"
    "\t\t<text_2 id=\"2\" textid=\"2\" text=\"\" sets=\"0\" trus=\"b\" teng=\"\" author=\"ivan\"/>\n"
    "\t\t<text_3 id=\"3\" textid=\"3\" text=\"\" sets=\"0\" trus=\"c\" teng=\"\" author=\"ivan\"/>\n";

TEST(BaseDocumentTest, FileReadWithFaultsIsReplacedOnlyWhenTheUserAgrees) {
    struct Row {
        const char* name;
        app::MessageAnswer answer;
        bool saved;
    } rows[] = {{"No keeps the file", app::MessageAnswer::No, false},
                {"Yes replaces it with the base", app::MessageAnswer::Yes, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder folder;
        const std::filesystem::path file = folder.path() / "TextBase.xml";
        test::writeFile(file, kTruncatedBase);
        app::Translator translator;
        bases::TextBase base;
        test::ScriptedMessagePort loading;
        ASSERT_TRUE(base.load(file, loading));
        ASSERT_FALSE(base.readCleanly());
        ASSERT_EQ(base.elements().size(), 3u);
        TextBaseDocument document(base, file, translator);
        bases::TextBaseElement changed = base.elements()[0];
        changed.teng = "A";
        document.replace(0, changed, "edit");

        test::ScriptedMessagePort port({row.answer});
        EXPECT_EQ(document.save(port), row.saved);
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(port.asked()[0],
                  (app::Message{w("Сохранение баз"),
                                w("Файл '" + file.string() +
                                  "' был прочитан с ошибками, из него прочитано элементов: 3.\nПри сохранении всё "
                                  "остальное содержимое файла будет потеряно.\nПерезаписать файл?"),
                                app::MessageButtons::YesNo, app::MessageIcon::Warning}));
        EXPECT_EQ(document.isModified(), !row.saved);
        if (!row.saved) {
            EXPECT_EQ(test::readFile(file), kTruncatedBase);
            continue;
        }
        bases::TextBase reread;
        ASSERT_TRUE(reread.load(file, loading));
        EXPECT_TRUE(reread.readCleanly());
        EXPECT_EQ(reread.elements(), base.elements());
        // The file holds the base now: the next save asks nothing.
        changed.teng = "B";
        document.replace(0, changed, "edit");
        EXPECT_TRUE(document.save(port));
        EXPECT_EQ(port.asked().size(), 1u);
    }
}

TEST(BaseDocumentTest, CleanlyReadFileIsSavedWithoutAQuestion) {
    test::TempFolder folder;
    const std::filesystem::path file = folder.path() / "TextBase.xml";
    app::Translator translator;
    bases::TextBase base;
    base.elements() = {{"1", "1", "", "0", "a", "", "ivan"}};
    TextBaseDocument document(base, file, translator);
    document.replace(0, {"1", "1", "", "0", "b", "", "ivan"}, "edit");
    test::ScriptedMessagePort port;
    EXPECT_TRUE(document.save(port));
    EXPECT_TRUE(port.asked().empty());
    EXPECT_FALSE(document.isModified());
}

}  // namespace
}  // namespace tabrin::editing
