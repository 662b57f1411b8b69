// Saving a base document whose file was read with faults: replaced only after the user agrees to
// lose what could not be read, the question saying how many elements were read. Two runs of the
// program that changed one base: the second save asks, and reading the file again keeps both runs'
// changes.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

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
        TextBaseDocument document(base, file, translator);
        ASSERT_TRUE(document.load(loading));
        ASSERT_FALSE(base.readCleanly());
        ASSERT_EQ(base.elements().size(), 3u);
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

// Two runs of the program on one program folder, each with the base read at the start.
struct TwoRuns {
    TwoRuns() {
        bases::TextBase original;
        original.elements() = {{"1", "1", "", "0", "a", "", "ivan"}, {"2", "2", "", "0", "b", "", "petr"}};
        EXPECT_TRUE(original.save(file).ok());
        EXPECT_TRUE(first.load(loading));
        EXPECT_TRUE(second.load(loading));
        // The first run adds text 3 and edits text 1, and saves; the second adds its own text 3 and
        // edits text 2.
        first.append({"3", "3", "", "0", "first", "", "ivan"}, "add");
        first.replace(0, {"1", "1", "", "0", "a1", "", "ivan"}, "edit");
        // The second run's file stamp must see a later write.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_TRUE(first.save(loading));
        second.append({"3", "3", "", "0", "second", "", "petr"}, "add");
        second.replace(1, {"2", "2", "", "0", "b2", "", "petr"}, "edit");
    }

    std::vector<bases::TextBaseElement> fileElements() {
        bases::TextBase read;
        EXPECT_TRUE(read.load(file, loading));
        return read.elements();
    }

    test::TempFolder folder;
    const std::filesystem::path file = folder.path() / "TextBase.xml";
    app::Translator translator;
    test::ScriptedMessagePort loading;
    bases::TextBase firstBase;
    bases::TextBase secondBase;
    TextBaseDocument first{firstBase, file, translator};
    TextBaseDocument second{secondBase, file, translator};
};

TEST(BaseDocumentTest, ReadingAFileAnotherRunWroteKeepsTheChangesOfBothRuns) {
    TwoRuns runs;
    test::ScriptedMessagePort port({app::MessageAnswer::Yes});
    EXPECT_TRUE(runs.second.save(port));
    ASSERT_EQ(port.asked().size(), 2u);
    EXPECT_EQ(port.asked()[0],
              (app::Message{w("Сохранение баз"),
                            w("Файл '" + runs.file.string() +
                              "' был изменён другой программой после того, как был прочитан.\nДа - прочитать его "
                              "заново и применить к нему ваши изменения.\nНет - записать базу поверх него.\nОтмена - "
                              "не сохранять."),
                            app::MessageButtons::YesNoCancel, app::MessageIcon::Warning}));
    EXPECT_EQ(port.asked()[1].text, w("Номера, добавленные другой программой, совпали с вашими. Ваши элементы "
                                      "получили новые номера:\n3 -> 4"));
    const std::vector<bases::TextBaseElement> expected = {{"1", "1", "", "0", "a1", "", "ivan"},
                                                          {"2", "2", "", "0", "b2", "", "petr"},
                                                          {"3", "3", "", "0", "first", "", "ivan"},
                                                          {"4", "4", "", "0", "second", "", "petr"}};
    EXPECT_EQ(runs.fileElements(), expected);
    EXPECT_EQ(runs.secondBase.elements(), expected);
    EXPECT_FALSE(runs.second.isModified());

    // The file as this run wrote it is saved over without a question.
    runs.second.replace(0, {"1", "1", "", "0", "a2", "", "ivan"}, "edit");
    EXPECT_TRUE(runs.second.save(port));
    EXPECT_EQ(port.asked().size(), 2u);
}

TEST(BaseDocumentTest, WritingOverAFileAnotherRunWroteOrNotSavingIsTheUsersChoice) {
    const struct {
        const char* name;
        app::MessageAnswer answer;
        bool saved;
    } rows[] = {{"No writes over the other run's file", app::MessageAnswer::No, true},
                {"Cancel keeps the file and the changes", app::MessageAnswer::Cancel, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TwoRuns runs;
        const std::vector<bases::TextBaseElement> firstSaved = runs.fileElements();
        test::ScriptedMessagePort port({row.answer});
        EXPECT_EQ(runs.second.save(port), row.saved);
        EXPECT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(runs.fileElements(), row.saved ? runs.secondBase.elements() : firstSaved);
        EXPECT_EQ(runs.second.isModified(), !row.saved);
    }
}

}  // namespace
}  // namespace tabrin::editing
