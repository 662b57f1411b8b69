// Look-ups of several names in one pass: the same answers as looking each name up on its own.
#include <gtest/gtest.h>

#include "xml/xmllookup.h"

namespace tabrin::xml {
namespace {

constexpr std::string_view kNames[] = {"a", "bb", "c", "missing"};

TEST(XmlLookup, AttributeTextsAnswerAsLookupsByName) {
    struct Row {
        const char* name;
        const char* element;
    };
    const Row rows[] = {
        {"in list order", "<e a=\"1\" bb=\"2\" c=\"3\"/>"},
        {"in another order", "<e c=\"3\" a=\"1\" bb=\"2\"/>"},
        {"repeated: the first counts", "<e a=\"1\" bb=\"2\" a=\"x\" c=\"3\" bb=\"y\"/>"},
        {"a valueless first of a repeated one", "<e a bb=\"2\" a=\"x\"/>"},
        {"names that only share a prefix", "<e ab=\"0\" b=\"0\" bbb=\"0\" c=\"3\"/>"},
        {"no attributes", "<e/>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const XMLNode node = XMLNode::parseString(row.element, "e");
        ASSERT_FALSE(node.isEmpty());
        const auto texts = attributeTexts<kNames>(node);
        for (std::size_t k = 0; k < std::size(kNames); ++k)
            EXPECT_EQ(texts[k], node.attributeText(kNames[k])) << kNames[k];
    }
    for (const std::string_view text : attributeTexts<kNames>(XMLNode())) EXPECT_EQ(text, "");
}

TEST(XmlLookup, FirstChildrenAnswerAsLookupsByName) {
    const XMLNode node =
        XMLNode::parseString("<e><c n=\"1\"/><x/><a n=\"2\"/><c n=\"3\"/><bb n=\"4\"/><a n=\"5\"/></e>", "e");
    const auto children = firstChildren<kNames>(node);
    for (std::size_t k = 0; k < std::size(kNames); ++k) {
        SCOPED_TRACE(kNames[k]);
        EXPECT_EQ(children[k].isEmpty(), node.child(kNames[k]).isEmpty());
        EXPECT_EQ(children[k].attributeText("n"), node.child(kNames[k]).attributeText("n"));
    }
    EXPECT_EQ(children[0].attributeText("n"), "2");
    EXPECT_TRUE(children[3].isEmpty());
}

}  // namespace
}  // namespace tabrin::xml
