// The text base: its file byte for byte, lookups, adding texts and the modified flag.
#include <gtest/gtest.h>

#include "bases/textbase.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::bases {
namespace {

using test::w;

const std::string kHeader = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n";

std::string textLine(const std::string& attributes) { return "\t\t<" + attributes + "/>\n"; }

std::string textBaseFile(const std::vector<std::string>& lines) {
    if (lines.empty()) return kHeader + "\t<Texts/>\n</root>\n";
    std::string file = kHeader + "\t<Texts>\n";
    for (const std::string& line : lines) file += textLine(line);
    return file + "\t</Texts>\n</root>\n";
}

TextBase loadBase(const test::TempFolder& folder, const std::string& bytes, test::ScriptedMessagePort& port) {
    const auto file = folder.path() / "TextBase.xml";
    test::writeFile(file, bytes);
    TextBase base;
    EXPECT_TRUE(base.load(file, port));
    return base;
}

TextBaseElement element(std::string id, std::string textid, std::string trus = {}, std::string author = {}) {
    TextBaseElement e;
    e.id = std::move(id);
    e.textid = std::move(textid);
    e.trus = std::move(trus);
    e.author = std::move(author);
    e.sets = "0";
    return e;
}

TEST(TextBaseFile, LoadAndSaveGiveBackTheSameBytes) {
    const std::string bytes = textBaseFile({
        w("text_1 id=\"1\" textid=\"1\" text=\"Пуск\" sets=\"0\" trus=\"Пуск двигателя\" teng=\"Motor start\" author=\"Иванов\""),
        "text_2 id=\"2\" textid=\"2\" text=\"\" sets=\"12\" trus=\"a&amp;b &quot;c&quot; &lt;&gt; &apos;\" teng=\"\" author=\"\"",
    });
    test::TempFolder folder;
    test::ScriptedMessagePort port;
    TextBase base = loadBase(folder, bytes, port);
    ASSERT_EQ(base.elements().size(), 2u);
    EXPECT_EQ(base.elements()[0].author, w("Иванов"));
    EXPECT_EQ(base.elements()[1].trus, "a&b \"c\" <> '");

    const auto copy = folder.path() / "copy.xml";
    ASSERT_TRUE(base.save(copy).ok());
    EXPECT_EQ(test::readFile(copy), bytes);
    EXPECT_TRUE(port.asked().empty());
}

TEST(TextBaseFile, Reading) {
    test::TempFolder folder;
    test::ScriptedMessagePort port;
    const TextBase base = loadBase(folder, textBaseFile({
        "text_99 id=\"7\" textid=\"7\" TextID=\"9\" extra=\"x\"",
        "anything id=\"8\" textid=\"8\"",
    }), port);
    ASSERT_EQ(base.elements().size(), 2u);
    EXPECT_EQ(base.elements()[0].id, "7");
    EXPECT_EQ(base.elements()[0].textid, "7");  // the other-case TextID is not read
    EXPECT_EQ(base.elements()[0].trus, "");
    EXPECT_EQ(base.elements()[1].id, "8");
}

TEST(TextBaseFile, Writing) {
    TextBase base;
    base.elements() = {element("7", "7", "x"), element("1", "1"), element("x", "2", "lost"), element(" \t3", "3")};
    base.elements()[1].sets = "5";
    base.setModified(true);
    test::TempFolder folder;
    const auto file = folder.path() / "TextBase.xml";
    ASSERT_TRUE(base.save(file).ok());
    EXPECT_FALSE(base.isModified());
    EXPECT_EQ(test::readFile(file),
              textBaseFile({
                  "text_7 id=\"7\" textid=\"7\" text=\"\" sets=\"0\" trus=\"x\" teng=\"\" author=\"\"",
                  // without texts an element is bound to no enumeration
                  "text_1 id=\"1\" textid=\"1\" text=\"\" sets=\"0\" trus=\"\" teng=\"\" author=\"\"",
                  // an id that is no plain number does not name the element, and is kept as it is
                  "text id=\"x\" textid=\"2\" text=\"\" sets=\"0\" trus=\"lost\" teng=\"\" author=\"\"",
                  "text id=\" \t3\" textid=\"3\" text=\"\" sets=\"0\" trus=\"\" teng=\"\" author=\"\"",
              }));

    base.elements().clear();
    ASSERT_TRUE(base.save(file).ok());
    EXPECT_EQ(test::readFile(file), textBaseFile({}));
}

TEST(TextBaseFile, ElementsWhoseIdIsNoPlainNumberAreKeptAndKeepTheirNumbers) {
    struct Row { const char* name; const char* id; const char* textid; const char* nextId; const char* nextTextid; };
    const Row rows[] = {
        {"blank after the number", "901 ", "901 ", "902", "902"},
        {"blank before the number", " 901", "901", "902", "902"},
        {"empty", "", "", "901", "901"},
        {"letter inside", "9o3", "903", "901", "904"},
        {"plus sign", "+950", "+950", "951", "951"},
        {"leading zero", "0905", "905", "906", "906"},
        {"tab after the number", "901\t", "901\t", "902", "902"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder folder;
        test::ScriptedMessagePort port;
        const auto file = folder.path() / "TextBase.xml";
        TextBase base;
        base.elements() = {element("900", "900", "first"), element(row.id, row.textid, "loose", "me")};
        ASSERT_TRUE(base.save(file).ok());

        TextBase reread;
        ASSERT_TRUE(reread.load(file, port));
        EXPECT_TRUE(reread.readCleanly());
        EXPECT_EQ(reread.elements(), base.elements());

        // A number the loose element holds is never given to a new text as well.
        const int added = reread.addText(false, "me");
        ASSERT_GE(added, 0);
        EXPECT_EQ(reread.elements()[static_cast<std::size_t>(added)].id, row.nextId);
        EXPECT_EQ(reread.elements()[static_cast<std::size_t>(added)].textid, row.nextTextid);
    }
}

TEST(TextBaseFile, Faults) {
    test::TempFolder folder;
    test::ScriptedMessagePort port;
    TextBase base;
    base.elements() = {element("1", "1", "kept")};
    EXPECT_FALSE(base.load(folder.path() / "missing.xml", port));
    EXPECT_EQ(base.elements().size(), 1u);
    EXPECT_TRUE(port.asked().empty());

    // An unreadable file is told about, gives an empty base, and is never overwritten by it.
    const auto file = folder.path() / "TextBase.xml";
    const std::string broken = kHeader + "\t<Texts>\n\t\t<text_1 id=\"1\" textid=\"1\" trus=\"a & b\"/>\n";
    test::writeFile(file, broken);
    EXPECT_TRUE(base.load(file, port));
    EXPECT_TRUE(base.elements().empty());
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_NE(port.asked()[0].text.find("Error: Unknown character entity"), std::string::npos);
    base.setModified(true);
    EXPECT_FALSE(base.save(file).ok());
    EXPECT_TRUE(base.isModified());
    EXPECT_EQ(test::readFile(file), broken);
    EXPECT_TRUE(base.save(folder.path() / "elsewhere.xml").ok());

    // A truncated file keeps what was read, and is protected as well.
    test::writeFile(file, kHeader + "\t<Texts>\n" + textLine("text_1 id=\"1\" textid=\"1\""));
    EXPECT_TRUE(base.load(file, port));
    EXPECT_EQ(base.elements().size(), 1u);
    EXPECT_FALSE(base.save(file).ok());

    test::writeFile(file, "<other/>");
    EXPECT_TRUE(base.load(file, port));
    EXPECT_NE(port.asked().back().text.find("First Tag should be 'root'."), std::string::npos);

    EXPECT_FALSE(base.save(folder.path() / "no-folder" / "TextBase.xml").ok());
}

TEST(TextBaseLookup, ByNumber) {
    TextBase base;
    for (const char* n : {"1", "3", "7", "12", "40"}) base.elements().push_back(element(n, n));
    struct Row { const char* number; int binary; int exact; };
    const Row rows[] = {
        {"12", 3, 3}, {"1", 0, 0}, {"40", 4, 4}, {"7", 2, 2}, {"5", -1, -1}, {"x", -1, -1},
        {"41", -1, -1}, {"0", -1, -1}, {"007", 2, -1}, {" 3 ", -1, 1}, {"", -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.number);
        EXPECT_EQ(base.find(row.number), row.binary);
        EXPECT_EQ(base.findExact(row.number), row.exact);
    }

    TextBase unordered;  // a hand-edited file out of number order must not break the search
    for (const char* n : {"5", "1", "9"}) unordered.elements().push_back(element(n, n));
    EXPECT_EQ(unordered.find("9"), 2);
    EXPECT_EQ(unordered.find("1"), -1);
    EXPECT_EQ(TextBase().find("1"), -1);
}

TEST(TextBaseLookup, TextOfKind) {
    TextBaseElement e;
    e.trus = "r";
    e.teng = "e";
    e.text = "s";
    EXPECT_EQ(textOfKind(e, 0), "r");
    EXPECT_EQ(textOfKind(e, 1), "e");
    EXPECT_EQ(textOfKind(e, 2), "s");
    EXPECT_EQ(textOfKind(e, 9), "r");
}

TEST(TextBaseAdd, Numbering) {
    TextBase empty;
    EXPECT_EQ(empty.addText(false, "me"), -1);
    EXPECT_TRUE(empty.elements().empty());

    TextBase base;
    base.elements() = {element("40", "30"), element("x", "38")};
    const int added = base.addText(false, "me");
    ASSERT_EQ(added, 2);
    const TextBaseElement& e = base.elements()[2];
    EXPECT_EQ(e.id, "41");
    EXPECT_EQ(e.textid, "39");
    EXPECT_EQ(e.author, "me");
    EXPECT_EQ(e.sets, "0");
    EXPECT_TRUE(e.hasNoTexts());
    EXPECT_TRUE(base.isModified());
}

TEST(TextBaseAdd, ReusesTheUsersOwnEmptyText) {
    TextBase base;
    base.elements() = {element("1", "1", "", "other"), element("2", "2", "busy", "me"), element("3", "3", "", "me")};
    EXPECT_EQ(base.addText(true, "me"), 2);
    EXPECT_EQ(base.elements().size(), 3u);
    EXPECT_EQ(base.addText(false, "me"), 3);
    EXPECT_EQ(base.addText(true, "nobody"), 4);
}

TEST(TextBaseAdd, PastTheTopOfTheRangeTakesTheFirstFreeNumberInOrder) {
    TextBase base;
    base.elements() = {element("1", "1"), element("2", "2"), element("4", "4"), element("32767", "32767")};
    const int added = base.addText(false, "me");
    ASSERT_EQ(added, 2);
    EXPECT_EQ(base.elements()[2].id, "3");
    EXPECT_EQ(base.elements()[2].textid, "3");
    EXPECT_EQ(base.find("3"), 2);
    EXPECT_EQ(base.find("32767"), 4);
}

}  // namespace
}  // namespace tabrin::bases
