// The enumeration base: packed items, its file byte for byte, item texts and new enumerations.
#include <gtest/gtest.h>

#include "bases/numbering.h"
#include "bases/setbase.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::bases {
namespace {

using app::Language;
using test::w;

TEST(SetTextItem, PackAndUnpack) {
    struct Row { const char* name; SetTextItem item; std::string packed; };
    const Row rows[] = {
        {"long Russian alone", {w("Стоп"), "", "", ""}, w("Стоп")},
        {"with a short text", {w("Стоп"), "", w("Ст"), ""}, w("Стоп@@Ст@")},
        {"all four", {w("Вкл"), "On", w("Вкл"), "On"}, w("Вкл@On@Вкл@On")},
        {"empty", {}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.item.packed(), row.packed);
        EXPECT_EQ(SetTextItem::unpack(row.packed), row.item);
    }
    EXPECT_EQ(SetTextItem::unpack("a@b"), (SetTextItem{"a", "b", "", ""}));
    EXPECT_EQ(SetTextItem::unpack("a@b@c@d@e"), (SetTextItem{"a", "b", "c", "d"}));
    EXPECT_EQ(SetTextItem::unpack("a@@b"), (SetTextItem{"a", "", "b", ""}));
    EXPECT_EQ(SetTextItem::make("x@y", "", "", "z"), (SetTextItem{"x", "y", "", ""}));  // an "@" splits a text
}

TEST(SetTextItem, ChosenTextByLanguageAndLength) {
    const SetTextItem startOnly{"", "Start", w("Пуск"), ""};
    EXPECT_EQ(startOnly.chosenText(false, Language::Russian), w("Пуск"));
    EXPECT_EQ(startOnly.chosenText(false, Language::English), "Start");
    EXPECT_EQ(startOnly.chosenText(true, Language::Russian), w("Пуск"));
    EXPECT_EQ(startOnly.chosenText(true, Language::English), "Start");

    const SetTextItem full{"lr", "le", "sr", "se"};
    EXPECT_EQ(full.chosenText(false, Language::Russian), "lr");
    EXPECT_EQ(full.chosenText(true, Language::Russian), "sr");
    EXPECT_EQ(full.chosenText(false, Language::English), "le");
    EXPECT_EQ(full.chosenText(true, Language::English), "se");
    EXPECT_EQ((SetTextItem{"", "", "", "se"}).chosenText(false, Language::Russian), "se");
    EXPECT_EQ(SetTextItem{}.chosenText(true, Language::English), "");

    EXPECT_EQ(full.ofKind(0), "lr");
    EXPECT_EQ(full.ofKind(1), "le");
    EXPECT_EQ(full.ofKind(2), "lr");
    EXPECT_EQ(full.ofKind(3), "sr");
    EXPECT_EQ(full.ofKind(4), "se");
}

TEST(SetBaseElement, Texts) {
    SetBaseElement set;
    set.id = "5";
    EXPECT_EQ(set.displayName(Language::Russian), "5: ");
    set.items = {{w("Нет"), "No", "", ""}, {w("Да"), "", "", ""}};
    EXPECT_EQ(set.displayName(Language::Russian), w("5: Нет/Да"));
    EXPECT_EQ(set.displayName(Language::English), w("5: No/Да"));
    EXPECT_EQ(set.packedItem(0), w("Нет@No@@"));
    EXPECT_EQ(set.packedItem(2), "");
    EXPECT_EQ(set.itemText(1, true, Language::English), w("Да"));
    EXPECT_EQ(set.itemText(-1, true, Language::English), "");
    EXPECT_EQ(set.itemTextsOfKind(1, false, Language::Russian), "No\n");
    EXPECT_EQ(set.itemTextsOfKind(1, true, Language::Russian), w("No\nДа"));
}

const std::string kSetFile =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
    "<root>\n"
    "\t<Sets>\n"
    "\t\t<set_12 id=\"12\" author=\"A\">\n"
    "\t\t\t<items item_0=\"" + w("Выкл") + "\" item_1=\"" + w("Вкл@On@Вкл@On") + "\"/>\n"
    "\t\t</set_12>\n"
    "\t\t<set_13 id=\"13\" author=\"&quot;B&quot;\">\n"
    "\t\t\t<items/>\n"
    "\t\t</set_13>\n"
    "\t</Sets>\n"
    "</root>\n";

TEST(SetBaseFile, LoadAndSaveGiveBackTheSameBytes) {
    test::TempFolder folder;
    test::writeFile(folder.path() / "SetBase.xml", kSetFile);
    test::ScriptedMessagePort port;
    SetBase base;
    ASSERT_TRUE(base.load(folder.path() / "SetBase.xml", port));
    ASSERT_EQ(base.elements().size(), 2u);
    const SetBaseElement& off = base.elements()[0];
    EXPECT_EQ(off.items[1], (SetTextItem{w("Вкл"), "On", w("Вкл"), "On"}));
    EXPECT_EQ(off.joinedText, w("Выкл\nВкл@On@Вкл@On"));
    EXPECT_EQ(base.elements()[1].author, "\"B\"");

    ASSERT_TRUE(base.save(folder.path() / "copy.xml").ok());
    EXPECT_EQ(test::readFile(folder.path() / "copy.xml"), kSetFile);
}

TEST(SetBaseFile, ItemsComeInDocumentOrderWhateverTheirNames) {
    test::TempFolder folder;
    test::writeFile(folder.path() / "SetBase.xml",
                    "<root><Sets><x id=\"3\"><list item_1=\"b\" zz=\"a\"/></x><y id=\"4\"/><z id=\"bad\"/></Sets></root>");
    test::ScriptedMessagePort port;
    SetBase base;
    ASSERT_TRUE(base.load(folder.path() / "SetBase.xml", port));
    ASSERT_EQ(base.elements().size(), 3u);
    EXPECT_EQ(base.elements()[0].items[0].longRus, "b");
    EXPECT_EQ(base.elements()[0].items[1].longRus, "a");
    EXPECT_TRUE(base.elements()[1].items.empty());

    // An enumeration whose number is not an integer is kept under a name of its own.
    ASSERT_TRUE(base.save(folder.path() / "copy.xml").ok());
    const std::string written = test::readFile(folder.path() / "copy.xml");
    EXPECT_NE(written.find("\t\t\t<items item_0=\"b\" item_1=\"a\"/>\n"), std::string::npos);
    EXPECT_NE(written.find("\t\t<set_4 id=\"4\" author=\"\">\n\t\t\t<items/>\n\t\t</set_4>\n"), std::string::npos);
    EXPECT_NE(written.find("\t\t<set id=\"bad\" author=\"\">\n\t\t\t<items/>\n\t\t</set>\n"), std::string::npos);
}

TEST(SetBaseFile, NumberAfterBlanksNeverEndsTheElementName) {
    // Found by the enumeration base's fuzz target (the first enumeration): "set_ 0" made the end
    // tag "</set_ 0>", and the saved file could not be read.
    test::TempFolder folder;
    test::writeFile(folder.path() / "SetBase.xml",
                    "<root><Sets><set_20 id=\" 0\"></set_20><set_2 id=\"\t2\"><items item_0=\"a\"/></set_2></Sets></root>");
    test::ScriptedMessagePort port;
    SetBase base;
    ASSERT_TRUE(base.load(folder.path() / "SetBase.xml", port));
    ASSERT_TRUE(base.save(folder.path() / "first.xml").ok());
    const std::string first = test::readFile(folder.path() / "first.xml");
    EXPECT_NE(first.find("\t\t<set id=\" 0\" author=\"\">\n\t\t\t<items/>\n\t\t</set>\n"), std::string::npos);
    EXPECT_NE(first.find("\t\t<set id=\"\t2\" author=\"\">\n\t\t\t<items item_0=\"a\"/>\n\t\t</set>\n"), std::string::npos);

    SetBase reloaded;
    ASSERT_TRUE(reloaded.load(folder.path() / "first.xml", port));
    EXPECT_TRUE(reloaded.readCleanly());
    EXPECT_TRUE(port.asked().empty());
    EXPECT_EQ(reloaded.elements(), base.elements());
    ASSERT_TRUE(reloaded.save(folder.path() / "second.xml").ok());
    EXPECT_EQ(test::readFile(folder.path() / "second.xml"), first);
}

TEST(SetBaseFile, EnumerationsWhoseIdIsNoPlainNumberAreKeptAndKeepTheirNumbers) {
    struct Row { const char* name; const char* id; const char* nextNumber; };
    const Row rows[] = {
        {"blank before the number", " 5", "6"},
        {"plus sign", "+77", "78"},
        {"blank after the number", "78 ", "79"},
        {"empty", "", "4"},
        {"not a number", "7x", "4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder folder;
        test::ScriptedMessagePort port;
        const auto file = folder.path() / "SetBase.xml";
        SetBase base;
        base.elements().resize(2);
        base.elements()[0].id = "3";
        base.elements()[1].id = row.id;
        base.elements()[1].items = {{"on", "", "", ""}};
        base.elements()[1].rebuildJoinedText();
        ASSERT_TRUE(base.save(file).ok());

        SetBase reread;
        ASSERT_TRUE(reread.load(file, port));
        EXPECT_TRUE(reread.readCleanly());
        EXPECT_TRUE(port.asked().empty());
        EXPECT_EQ(reread.elements(), base.elements());
        EXPECT_EQ(reread.elements()[static_cast<std::size_t>(reread.addSet("me"))].id, row.nextNumber);
    }
}

TEST(SetBaseFile, Faults) {
    test::TempFolder folder;
    test::ScriptedMessagePort port;
    SetBase base;
    EXPECT_FALSE(base.load(folder.path() / "SetBase.xml", port));

    const auto file = folder.path() / "SetBase.xml";
    test::writeFile(file, "<root><Sets><set_1 id=\"1\"></Sets></root>");
    EXPECT_TRUE(base.load(file, port));
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_FALSE(base.save(file).ok());
}

TEST(SetBaseLookup, FindAndAdd) {
    SetBase base;
    const int first = base.addSet("me");
    ASSERT_EQ(first, 0);
    EXPECT_EQ(base.elements()[0].id, "1");
    EXPECT_EQ(base.elements()[0].items.size(), 2u);
    EXPECT_EQ(base.elements()[0].joinedText, "\n");
    EXPECT_EQ(base.elements()[0].author, "me");
    EXPECT_TRUE(base.isModified());

    base.elements()[0].id = "x";
    EXPECT_EQ(base.elements()[base.addSet("me")].id, "1");  // a number that is not one counts as 0
    EXPECT_EQ(base.find(" 1 "), 1);
    EXPECT_EQ(base.find("01"), -1);
    EXPECT_EQ(base.findSet("x"), &base.elements()[0]);
    EXPECT_EQ(base.findSet("2"), nullptr);
}

TEST(Numbering, NextFreeNumber) {
    struct Row { const char* name; std::vector<int> used; std::optional<int> expected; };
    const Row rows[] = {
        {"empty", {}, 1},
        {"one above the greatest", {3, 1}, 4},
        {"negative numbers", {-5}, 1},
        {"at the top takes the first gap", {1, 2, 4, 5}, 3},
        {"past the top takes the first gap", {2, 9}, 1},
        {"full", {1, 2, 3, 4, 5}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(nextFreeNumber(row.used, 5), row.expected);
    }
}

}  // namespace
}  // namespace tabrin::bases
