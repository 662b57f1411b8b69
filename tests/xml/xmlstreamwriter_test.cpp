// Writing a document piece by piece gives the bytes of the same tree written whole.
#include <gtest/gtest.h>

#include <string>

#include "xml/xmlparser.h"
#include "xml/xmlstreamwriter.h"

namespace tabrin::xml {
namespace {

TEST(XmlStreamWriter, PiecesGiveTheBytesOfTheWholeTree) {
    // Attribute values with line breaks and entities, a text run, an element left empty and one
    // holding only what is written into it.
    XMLNode whole = createProgramDocument();
    XMLNode root = whole.addChild("root");
    root.addAttribute("v", "1 & 2");
    XMLNode list = root.addChild("list");
    list.addAttribute("name", "a\r\nb");
    XMLNode item = list.addChild("item");
    item.addAttribute("text", "\"x\"");
    item.addChild("inner").addText("some text");
    list.addChild("item").addAttribute("text", "y");
    root.addChild("empty");
    root.addChild("last").addChild("leaf");

    const XMLNode declaration = createProgramDocument();
    const XMLNode parts = XMLNode::parseString(list.createXMLString(), {});
    std::string text;
    XMLStreamWriter writer(text);
    writer.write(declaration.child(0));
    const XMLAttribute rootAttributes[] = {{"v", "1 & 2"}};
    writer.open("root", rootAttributes);
    const XMLAttribute listAttributes[] = {{"name", "a\r\nb"}};
    writer.open("list", listAttributes);
    for (int i = 0; i < parts.child(0).childCount(); ++i) writer.write(parts.child(0).child(i));
    writer.close();
    writer.open("empty");
    writer.close();
    writer.open("last");
    writer.write(XMLNode::parseString("<leaf/>", {}).child(0));
    writer.close();
    writer.close();

    EXPECT_EQ(text, whole.createXMLString());
}

}  // namespace
}  // namespace tabrin::xml
