// The XML document layer: parsing results, exact written bytes, files and the user's error message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"
#include "xml/xmlparser.h"

namespace tabrin::xml {
namespace {

using test::w;

TEST(XmlWriter, FormattedBytes) {
    XMLNode document = XMLNode::createDocument();
    XMLNode declaration = document.addChild("xml", true);
    declaration.addAttribute("version", "1.0");
    declaration.addAttribute("encoding", "windows-1251");
    XMLNode root = document.addChild("root");
    root.addChild("Texts");
    XMLNode sets = root.addChild("Sets");
    XMLNode text = sets.addChild("text_1");
    text.addAttribute("id", "1");
    text.addAttribute("author", "");
    text.addAttribute("flag", std::nullopt);
    sets.addText("a<b");
    sets.addClear(ClearKind::Comment, " note ");

    EXPECT_EQ(document.createXMLString(true),
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
              "<root>\n"
              "\t<Texts/>\n"
              "\t<Sets>\n"
              "\t\t<text_1 id=\"1\" author=\"\" flag/>\n"
              "\t\ta&lt;b\n"
              "\t\t<!-- note -->\n"
              "\t</Sets>\n"
              "</root>\n");
    EXPECT_EQ(root.createXMLString(false),
              "<root><Texts/><Sets><text_1 id=\"1\" author=\"\" flag/>a&lt;b<!-- note --></Sets></root>");
}

TEST(XmlEntities, EscapedOnWritingAndDecodedOnReading) {
    const std::string value = "a<b & \"c\" 'd' >";
    XMLNode document = XMLNode::createDocument();
    document.addChild("e").addAttribute("v", value);
    const std::string written = document.createXMLString(false);
    EXPECT_EQ(written, "<e v=\"a&lt;b &amp; &quot;c&quot; &apos;d&apos; &gt;\"/>");
    EXPECT_EQ(XMLNode::parseString(written, "e").attributeText("v"), value);
}

TEST(XmlEntities, ReadingForms) {
    struct Row { const char* name; std::string input; std::string expected; };
    const Row rows[] = {
        {"names ignore case", "&AMP;&Lt;&gT;&QUOT;&Apos;", "&<>\"'"},
        {"decimal reference", "&#65;&#66;", "AB"},
        {"hex reference", "&#x41;&#X62;", "Ab"},
        {"Cyrillic reference becomes its code page byte", "&#1040;", "\xC0"},
        {"byte reference", "&#192;", "\xC0"},
        {"single quotes around the value", "x", "x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        XMLResults results;
        const XMLNode node = XMLNode::parseString("<e v='" + row.input + "'>" + row.input + "</e>", "e", &results);
        ASSERT_EQ(results.error, XMLError::None);
        EXPECT_EQ(node.attributeText("v"), row.expected);
        EXPECT_EQ(node.text(), row.expected);
    }
}

TEST(XmlParse, BytesPassThroughUnchanged) {
    // Cyrillic in Windows-1251 that is also a valid UTF-8 sequence ("Рџ" = D0 9F).
    const std::string bytes = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root a=\"\xD0\x9F\xC0\xFF\"/>";
    XMLResults results;
    const XMLNode root = XMLNode::parseString(bytes, "root", &results);
    EXPECT_EQ(results.error, XMLError::None);
    EXPECT_EQ(root.attributeText("a"), "\xD0\x9F\xC0\xFF");
}

TEST(XmlParse, Navigation) {
    const XMLNode root = XMLNode::parseString(
        "<?xml version=\"1.0\"?><!-- c --><root><a n=\"1\"/><b/><a n=\"2\">text</a></root>", "root");
    ASSERT_FALSE(root.isEmpty());
    EXPECT_EQ(root.childCount(), 3);
    EXPECT_EQ(root.childCount("a"), 2);
    EXPECT_EQ(root.child("a", 1).attributeText("n"), "2");
    EXPECT_EQ(root.child("a", 1).text(), "text");
    EXPECT_EQ(root.child(1).name(), "b");
    EXPECT_TRUE(root.child("missing").isEmpty());
    EXPECT_TRUE(root.child(7).isEmpty());
    EXPECT_EQ(root.child(0).attributeValue("missing"), std::nullopt);
    EXPECT_EQ(root.child(0).attribute(0)->name, "n");

    const XMLNode none;
    EXPECT_EQ(none.childCount(), 0);
    EXPECT_EQ(none.attributeText("x"), "");
    EXPECT_TRUE(none.child("x").isEmpty());
    EXPECT_EQ(none.createXMLString(), "");
}

TEST(XmlParse, FormattedOutputReadsBackToTheSameBytes) {
    const std::string text =
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
        "<root>\n"
        "\t<Texts>\n"
        "\t\t<text_1 id=\"1\" text=\"&amp;&apos;\" empty=\"\"/>\n"
        "\t\tsome text\n"
        "\t\t<![CDATA[<raw> & ]]>\n"
        "\t</Texts>\n"
        "</root>\n";
    const XMLNode document = XMLNode::parseString(text);
    EXPECT_EQ(document.createXMLString(true), text);
}

TEST(XmlParse, TextRunsKeepEveryByteThroughWriting) {
    // Reading drops the blanks around a text run as layout and a byte-order mark at the start of
    // a document; writing keeps such bytes of a text where reading finds them.
    struct Row { const char* name; std::string input; std::string text; std::string formatted; };
    const Row rows[] = {
        {"line feed alone", "&#10;", "\n", "&#10;\n"},
        {"blanks around a word", "<e>&#32;a b&#9;&#13;</e>", " a b\t\r", "<e>\n\t&#32;a b&#9;&#13;\n</e>\n"},
        {"blanks inside stay as they are", "<e>a&#32;&#32;b</e>", "a  b", "<e>\n\ta  b\n</e>\n"},
        {"byte-order mark after a line feed", "\n\xEF\xBB\xBF", "\xEF\xBB\xBF", "\n\xEF\xBB\xBF\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const XMLNode document = XMLNode::parseString(row.input);
        const XMLNode holder = document.child(0).isEmpty() ? document : document.child(0);
        ASSERT_EQ(holder.text(), row.text);
        EXPECT_EQ(document.createXMLString(true), row.formatted);
        for (const bool formatted : {true, false}) {
            XMLResults results;
            const XMLNode reread = XMLNode::parseString(document.createXMLString(formatted), {}, &results);
            EXPECT_EQ((reread.child(0).isEmpty() ? reread : reread.child(0)).text(), row.text) << formatted;
        }
    }
}

TEST(XmlParse, ErrorCodesWithPositions) {
    struct Row { const char* name; std::string input; XMLError error; int line; int column; };
    const Row rows[] = {
        {"empty", "", XMLError::Empty, 0, 0},
        {"blanks only", " \n\t", XMLError::Empty, 0, 0},
        {"missing start tag name", "<root>\n< a/></root>", XMLError::MissingTagName, 2, 2},
        {"missing end tag name", "<root></ >", XMLError::MissingEndTagName, 1, 9},
        {"unmatched end tag", "<root></other>", XMLError::UnmatchedEndTag, 1, 7},
        {"unclosed comment", "<root><!-- x", XMLError::UnmatchedEndClearTag, 1, 7},
        {"unclosed CDATA", "<root><![CDATA[ x", XMLError::UnmatchedEndClearTag, 1, 7},
        {"unquoted value", "<root a=1/>", XMLError::UnexpectedToken, 1, 9},
        {"unclosed quote", "<root a=\"1/>", XMLError::UnexpectedToken, 1, 9},
        {"truncated tag", "<root a=\"1\"", XMLError::UnexpectedToken, 1, 12},
        {"stray quote", "<root \"x\"/>", XMLError::UnexpectedToken, 1, 7},
        {"unknown entity", "<root a=\"&nbsp;\"/>", XMLError::UnknownCharacterEntity, 1, 10},
        {"reference without semicolon", "<root>&#65</root>", XMLError::UnknownCharacterEntity, 1, 7},
        {"bare ampersand", "<root>a & b</root>", XMLError::UnknownCharacterEntity, 1, 9},
        {"NUL byte instead of a name", std::string("<\0root/>", 8), XMLError::MissingTagName, 1, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        XMLResults results;
        const XMLNode node = XMLNode::parseString(row.input, {}, &results);
        EXPECT_EQ(results.error, row.error);
        EXPECT_EQ(results.line, row.line);
        EXPECT_EQ(results.column, row.column);
        EXPECT_TRUE(node.isEmpty());
    }
}

TEST(XmlParse, WarningsKeepTheTree) {
    XMLResults results;
    const XMLNode truncated = XMLNode::parseString("<root><Texts><text_1 id=\"1\"/>", "root", &results);
    EXPECT_EQ(results.error, XMLError::MissingEndTag);
    EXPECT_EQ(truncated.child("Texts").child(0).attributeText("id"), "1");

    const XMLNode skipped = XMLNode::parseString("<root><a><b></a><c/></root>", "root", &results);
    EXPECT_EQ(results.error, XMLError::MissingEndTag);
    EXPECT_EQ(skipped.childCount(), 2);

    const XMLNode onlyText = XMLNode::parseString("just text", {}, &results);
    EXPECT_EQ(results.error, XMLError::NoXMLTagFound);
    EXPECT_EQ(onlyText.text(), "just text");
}

// Records what a stream is told: every kept element with its depth and the first characters after
// its start tag, and every streamed element as its own text, taken while its handle is valid.
class RecordingStream : public ElementStream {
public:
    explicit RecordingStream(std::string_view streamingParent) : m_streamingParent(streamingParent) {}

    bool streamsChildrenOf(const XMLNode& element, int depth, std::string_view following) override {
        told.push_back(std::string(element.name()) + "@" + std::to_string(depth) + " " +
                       std::string(following.substr(0, 5)));
        return element.name() == m_streamingParent;
    }
    void take(const XMLNode& element) override { taken.push_back(element.createXMLString(false)); }

    std::vector<std::string> told;
    std::vector<std::string> taken;

private:
    std::string_view m_streamingParent;
};

TEST(XmlParse, StreamedElementsGoToTheStreamAndNotIntoTheTree) {
    const std::string text =
        "<?xml version=\"1.0\"?><root><list n=\"1\"><item a=\"1\"><sub b=\"&lt;\"/>text</item><!-- c -->"
        "<item a=\"2\"/><item a=\"3\"><deep><deeper/></deep></item></list><other><item a=\"4\"/></other></root>";
    RecordingStream stream("list");
    XMLResults results;
    const XMLNode root = XMLNode::parseString(text, "root", &results, &stream);
    ASSERT_EQ(results.error, XMLError::None);
    EXPECT_EQ(stream.told,
              (std::vector<std::string>{"xml@1 ", "root@1 <list", "list@2 <item", "other@2 <item", "item@3 "}));
    EXPECT_EQ(stream.taken, (std::vector<std::string>{"<item a=\"1\"><sub b=\"&lt;\"/>text</item>", "<item a=\"2\"/>",
                                                      "<item a=\"3\"><deep><deeper/></deep></item>"}));
    // The streamed parent keeps its attributes and whatever is not an element; the rest of the tree is whole.
    EXPECT_EQ(root.child("list").childCount(), 0);
    EXPECT_EQ(root.child("list").attributeText("n"), "1");
    EXPECT_EQ(root.child("other").child(0).attributeText("a"), "4");

    // Without a stream the same text gives the whole tree.
    EXPECT_EQ(XMLNode::parseString(text, "root").child("list").childCount(), 3);
}

TEST(XmlParse, AStreamedElementLeftOpenIsStillSentAndTheWarningKept) {
    RecordingStream stream("list");
    XMLResults results;
    XMLNode::parseString("<root><list><item a=\"1\"><sub></item></list></root>", "root", &results, &stream);
    EXPECT_EQ(results.error, XMLError::MissingEndTag);
    EXPECT_EQ(stream.taken, (std::vector<std::string>{"<item a=\"1\"><sub/></item>"}));

    RecordingStream broken("list");
    EXPECT_TRUE(
        XMLNode::parseString("<root><list><item a=\"1\"/><item a=</list></root>", "root", &results, &broken).isEmpty());
    EXPECT_EQ(results.error, XMLError::UnexpectedToken);
    EXPECT_EQ(broken.taken, (std::vector<std::string>{"<item a=\"1\"/>"}));
}

TEST(XmlParse, FirstTag) {
    XMLResults results;
    EXPECT_FALSE(XMLNode::parseString("<?xml version=\"1.0\"?><root/>", "root", &results).isEmpty());
    EXPECT_EQ(results.error, XMLError::None);
    EXPECT_TRUE(XMLNode::parseString("<other/><root/>", "root", &results).isEmpty());
    EXPECT_EQ(results.error, XMLError::FirstTagNotFound);
    EXPECT_TRUE(XMLNode::parseString("<?xml version=\"1.0\"?>", "root", &results).isEmpty());
    EXPECT_EQ(results.error, XMLError::NoElements);
}

TEST(XmlParse, HostileInputEndsWithACode) {
    XMLResults results;
    const std::string huge(10 * 1024 * 1024, 'x');
    EXPECT_EQ(XMLNode::parseString("<root a=\"" + huge + "\"/>", "root", &results).attributeText("a").size(),
              huge.size());
    EXPECT_EQ(results.error, XMLError::None);

    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    EXPECT_TRUE(XMLNode::parseString(deep, {}, &results).isEmpty());
    EXPECT_EQ(results.error, XMLError::UnexpectedToken);

    std::string nested;
    for (int i = 0; i < kMaxNestingDepth; ++i) nested += "<a>";
    EXPECT_FALSE(XMLNode::parseString(nested, {}, &results).isEmpty());
    EXPECT_EQ(results.error, XMLError::MissingEndTag);

    EXPECT_TRUE(XMLNode::parseString(std::string("<root a=\"\0\"/", 13), {}, &results).isEmpty());
    EXPECT_EQ(results.error, XMLError::UnexpectedToken);
}

TEST(XmlCharacterMode, Guess) {
    const std::string pad(30, ' ');
    struct Row { const char* name; std::string text; CharacterMode expected; };
    const Row rows[] = {
        {"short text keeps the mode", "<a/>", CharacterMode::ShiftJis},
        {"byte-order mark", "\xEF\xBB\xBF" + pad, CharacterMode::Utf8},
        {"windows-1251 declared, valid UTF-8 bytes",
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?><a b=\"\xD0\x9F\"/>", CharacterMode::EightBit},
        {"utf-8 declared and valid", "<?xml version=\"1.0\" encoding = 'UTF-8'?><a b=\"\xD0\x9F\"/>",
         CharacterMode::Utf8},
        {"utf8 declared but invalid", "<?xml version=\"1.0\" encoding=\"utf8\"?><a b=\"\xC0\xC0\"/>",
         CharacterMode::EightBit},
        {"shift-jis declared", "<?xml version=\"1.0\" encoding=\"Shift-JIS\"?>" + pad, CharacterMode::ShiftJis},
        {"no declaration, valid", "<root>" + pad + "</root>", CharacterMode::Utf8},
        {"no declaration, invalid", "<root>\xC0\xC0" + pad + "</root>", CharacterMode::EightBit},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(guessCharacterMode(row.text, CharacterMode::ShiftJis), row.expected);
    }
}

TEST(XmlFile, WriteAndReadBack) {
    test::TempFolder folder;
    const auto path = folder.path() / "doc.xml";
    XMLNode document = XMLNode::createDocument();
    XMLNode declaration = document.addChild("xml", true);
    declaration.addAttribute("version", "1.0");
    declaration.addAttribute("encoding", "windows-1251");
    document.addChild("root").addAttribute("name", w("Пуск"));
    ASSERT_EQ(document.writeToFile(path), XMLError::None);
    EXPECT_EQ(test::readFile(path),
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root name=\"\xCF\xF3\xF1\xEA\"/>\n");

    XMLResults results;
    EXPECT_EQ(XMLNode::parseFile(path, "root", &results).attributeText("name"), w("Пуск"));
    EXPECT_EQ(characterMode(), CharacterMode::EightBit);

    // Without a declaration node of its own the tree gets the caller's header.
    XMLNode bare = XMLNode::createDocument();
    bare.addChild("root");
    ASSERT_EQ(bare.writeToFile(path, "windows-1251"), XMLError::None);
    EXPECT_EQ(test::readFile(path), "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root/>\n");
    ASSERT_EQ(bare.writeToFile(path), XMLError::None);
    EXPECT_EQ(test::readFile(path), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<root/>\n");
}

TEST(XmlFile, ByteOrderMarkOnlyWhereTheDeclarationAllowsIt) {
    test::TempFolder folder;
    const auto path = folder.path() / "doc.xml";
    setCharacterMode(CharacterMode::Utf8);
    createProgramDocument().writeToFile(path);
    EXPECT_EQ(test::readFile(path).rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>", 0), 0u);
    XMLNode bare = XMLNode::createDocument();
    bare.addChild("root");
    bare.writeToFile(path);
    EXPECT_EQ(test::readFile(path), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<root/>\n");
    setCharacterMode(CharacterMode::EightBit);
}

TEST(XmlFile, FailedWriteLeavesTheOldFile) {
    test::TempFolder folder;
    XMLNode document = XMLNode::createDocument();
    document.addChild("root");
    EXPECT_EQ(document.writeToFile(folder.path() / "missing" / "doc.xml"), XMLError::CannotOpenWriteFile);

    const auto path = folder.path() / "doc.xml";
    test::writeFile(path, "old");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool folderIsReadOnly = !std::ofstream(folder.path() / "probe");  // root may write anyway
    if (folderIsReadOnly) {
        EXPECT_EQ(document.writeToFile(path), XMLError::CannotOpenWriteFile);
    }
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(test::readFile(path), "old");
}

TEST(XmlFile, OpenForTheUserReportsEveryFault) {
    test::TempFolder folder;
    struct Row { const char* name; std::string file; std::optional<std::string> content; std::string message; };
    const Row rows[] = {
        {"missing file", "none.xml", std::nullopt,
         "Error: File not found\nAt line 0, column 0.\n"},
        {"empty file", "empty.xml", "", "Error: No XML data\nAt line 0, column 0.\n"},
        {"wrong first element", "other.xml", "<other/>",
         "Error: First Tag not found\nAt line 0, column 0.\nFirst Tag should be 'root'.\n"},
        {"malformed", "bad.xml", "<root>\n<a></b>", "Error: Unmatched end tag\nAt line 2, column 4.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = folder.path() / row.file;
        if (row.content) test::writeFile(path, *row.content);
        test::ScriptedMessagePort port;
        EXPECT_TRUE(XMLNode::openFileForUser(path, "root", port).isEmpty());
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(port.asked()[0].text, "XML Parsing error inside file '" + path.string() + "'.\n" + row.message);
        EXPECT_EQ(port.asked()[0].icon, app::MessageIcon::Error);
    }

    test::writeFile(folder.path() / "good.xml", "<root/>");
    test::ScriptedMessagePort port;
    EXPECT_FALSE(XMLNode::openFileForUser(folder.path() / "good.xml", "root", port).isEmpty());
    EXPECT_TRUE(port.asked().empty());
}

}  // namespace
}  // namespace tabrin::xml
