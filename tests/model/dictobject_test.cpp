// Dictionary objects: format words, number texts, the order and the `obj_` element.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbase.h"
#include "model/dictobject.h"
#include "model/numbertext.h"
#include "support/utf8.h"

namespace tabrin::model {
namespace {

using test::w;

DictObject readObject(const std::string& element, int position = 0) {
    DictObject object;
    object.readFromXml(XMLNode::parseString(element).child(0), position);
    return object;
}

TEST(FormatWord, FromTheElement) {
    struct Row { const char* name; std::string element; int word; };
    const Row rows[] = {
        {"editable unsigned 32-bit number",
         "<obj_2600h.01h DataType=\"Editable\"><format Type=\"StandartNum\" Size=\"32\" Signed=\"false\"/></obj_2600h.01h>",
         19456},
        {"signed 16-bit number", "<obj_3000h.00h><format Type=\"StandartNum\" Size=\"16\" Signed=\"true\"/></obj_3000h.00h>",
         0x0800 + 0x0100 + 0x0200},
        {"signed IQ", "<obj_3000h.00h DataType=\"Viewable\"><format Type=\"IQ\" Size=\"16\" Signed=\"true\" QValue=\"24\" ScaleNum=\"3\"/></obj_3000h.00h>",
         4216},
        {"unsigned IQ", "<obj_3000h.00h><format Type=\"IQ\" Size=\"16\" Signed=\"false\" QValue=\"24\" ScaleNum=\"3\"/></obj_3000h.00h>",
         6264},
        {"protected hex bit field",
         "<obj_3000h.00h DataType=\"Protected\"><format Type=\"Bit\" Visualization=\"Hex\" Length=\"4\" StartBit=\"8\"/></obj_3000h.00h>",
         41800},
        {"secret absolute float",
         "<obj_3000h.00h DataType=\"Secret\"><format Type=\"Float\" FloatType=\"Absolute\" NumOfFloat=\"2\" Prefix=\"3\" Units=\"5\"/></obj_3000h.00h>",
         62661},
        {"relative float", "<obj_3000h.00h><format Type=\"Float\" FloatType=\"Relative\" ScaleNum=\"7\"/></obj_3000h.00h>",
         0x3000 + 0x0800 + 7},
        {"attributes of other types are not read",
         "<obj_3000h.00h><format Type=\"StandartNum\" Size=\"8\" Signed=\"x\" QValue=\"5\" Length=\"3\"/></obj_3000h.00h>",
         0x0800},
        {"unknown texts add nothing", "<obj_3000h.00h DataType=\"Odd\"><format Type=\"Odd\"/></obj_3000h.00h>", 0},
        {"root", "<obj_3000h.00h><format Type=\"Root\" Size=\"32\"/></obj_3000h.00h>", 0},
        // Absurd fields add what they hold, summed modulo 2^32: no signed overflow.
        {"largest ScaleNum", "<obj_3000h.00h><format Type=\"IQ\" Size=\"16\" Signed=\"true\" QValue=\"0\" ScaleNum=\"2147483647\"/></obj_3000h.00h>",
         4064},
        {"largest bit length and start",
         "<obj_3000h.00h><format Type=\"Bit\" Visualization=\"Hex\" Length=\"2147483647\" StartBit=\"2147483647\"/></obj_3000h.00h>",
         -2147474705},
        {"largest absolute float fields",
         "<obj_3000h.00h DataType=\"Secret\"><format Type=\"Float\" FloatType=\"Absolute\" NumOfFloat=\"2147483647\" "
         "Prefix=\"2147483647\" Units=\"2147483647\"/></obj_3000h.00h>",
         -2147422785},
        {"smallest ScaleNum", "<obj_3000h.00h><format Type=\"Float\" FloatType=\"Relative\" ScaleNum=\"-2147483648\"/></obj_3000h.00h>",
         -2147469312},
        {"ScaleNum beyond 32 bits reads as 0",
         "<obj_3000h.00h><format Type=\"Float\" FloatType=\"Relative\" ScaleNum=\"4294967296\"/></obj_3000h.00h>",
         0x3000 + 0x0800},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DictObject object = readObject(row.element);
        EXPECT_EQ(object.format, std::to_string(row.word));
        EXPECT_EQ(formatWord(object), row.word);
    }
    EXPECT_EQ(readObject(rows[2].element).Size, "16");
    EXPECT_EQ(readObject(rows[7].element).QValue, 0);
}

TEST(NumberText, IntegerAttributes) {
    struct Row { const char* text; int value; };
    const Row rows[] = {
        {" 12 ", 12}, {"'12'", 12}, {"\"12\"\r\n", 12}, {"0x1F", 31}, {"010", 8}, {"12h", 0},
        {"", 0}, {"-3", -3}, {"0", 0}, {"08", 0}, {"0x", 0}, {"99999999999", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(integerAttribute(row.text), row.value);
    }
}

TEST(NumberText, HexTexts) {
    EXPECT_EQ(hexTextToNumber("2600h"), 0x2600u);
    EXPECT_EQ(hexTextToNumber(" 2a h"), 0x2Au);
    EXPECT_EQ(numberToHexText(0x2600, 4), "2600h");
    EXPECT_EQ(numberToHexText(1, 2), "01h");
    EXPECT_EQ(numberToHexText(0, 2), "00h");
    EXPECT_EQ(numberToHexText(0x12600, 4), "12600h");
}

TEST(DictObjectXml, ReadingFieldsAndAddress) {
    const DictObject object = readObject(
        "<obj_2600h.01h DataType=\"Editable\" name=\"" + w("Ключ") +
            "\" addr=\"VendorToken\" group=\"2\" groupName=\"g\" fullgroup=\"5/2\" callback=\"cb\">"
            "<format Type=\"StandartNum\" Size=\"32\" Signed=\"false\"/><text text=\"Vendor Token\" textID=\"34\"/>"
            "<defaults default=\"0x5C3E91D7\" min=\"0\" max=\"\"/><description description=\"d\"/></obj_2600h.01h>",
        7);
    EXPECT_EQ(object.index, "2600h");
    EXPECT_EQ(object.subindex, "01h");
    EXPECT_EQ(object.name, w("Ключ"));
    EXPECT_EQ(object.addr, "VendorToken");
    EXPECT_EQ(object.group, "2");
    EXPECT_EQ(object.groupName, "g");
    EXPECT_EQ(object.fullgroup, "5/2");
    EXPECT_EQ(object.callback, "cb");
    EXPECT_EQ(object.text, "Vendor Token");
    EXPECT_EQ(object.textID, "34");
    EXPECT_EQ(object.defaultValue, "0x5C3E91D7");
    EXPECT_EQ(object.min, "0");
    EXPECT_EQ(object.description, "d");
    EXPECT_EQ(object.number, 7);
    EXPECT_EQ(object.outcome.code, 0);

    EXPECT_EQ(readObject("<obj_2600h.1h/>").subindex, "1h");
    DictObject none;
    EXPECT_EQ(none.readFromXml(XMLNode(), 0).code, 1);
    EXPECT_EQ(none.number, -1);
}

TEST(DictObjectXml, MalformedElementsTakeTheFirstOfARepeatedName) {
    const DictObject object = readObject(
        "<obj_3000h.02h callback=\"cb\" name=\"first\" DataType=\"Secret\" name=\"second\" DataType=\"Viewable\">"
        "<defaults min=\"1\"/><text text=\"t1\" textID=\"1\" text=\"t2\"/>"
        "<format Signed=\"true\" Type=\"IQ\" QValue=\"5\" Size=\"32\" Type=\"Bit\" QValue=\"6\" ScaleNum=\"2\"/>"
        "<defaults default=\"9\" min=\"2\"/><format Type=\"Root\"/><text textID=\"2\"/></obj_3000h.02h>");
    EXPECT_EQ(object.name, "first");
    EXPECT_EQ(object.DataType, "Secret");
    EXPECT_EQ(object.callback, "cb");
    EXPECT_EQ(object.Type, "IQ");
    EXPECT_EQ(object.Size, "32");
    EXPECT_EQ(object.Signed, "true");
    EXPECT_EQ(object.QValue, 5);
    EXPECT_EQ(object.ScaleNum, 2);
    EXPECT_EQ(object.text, "t1");
    EXPECT_EQ(object.textID, "1");
    EXPECT_EQ(object.min, "1");
    EXPECT_EQ(object.defaultValue, "");  // only the second defaults element has one
}

TEST(DictObjectXml, ReadingAgainForgetsThePreviousObject) {
    DictObject object = readObject(
        "<obj_3000h.01h addr=\"a\"><format Type=\"Bit\" Visualization=\"Hex\" Length=\"4\" StartBit=\"8\"/>"
        "<text text=\"t\" textID=\"1\"/></obj_3000h.01h>");
    object.serial = 5;
    object.nameEng = "English";
    object.readFromXml(XMLNode::parseString("<obj_3001h.00h><format Type=\"Root\"/></obj_3001h.00h>").child(0), 3);
    DictObject expected;
    expected.index = "3001h";
    expected.subindex = "00h";
    expected.Type = "Root";
    expected.format = "0";
    expected.number = 3;
    EXPECT_EQ(object, expected);
}

TEST(DictObjectOrder, IndexThenSubindexByteByByte) {
    const auto object = [](std::string index, std::string subindex) {
        DictObject o;
        o.index = std::move(index);
        o.subindex = std::move(subindex);
        return o;
    };
    EXPECT_TRUE(lessThan(object("2000h", "05h"), object("2001h", "00h")));
    EXPECT_TRUE(lessThan(object("2000h", "01h"), object("2000h", "0Ah")));
    EXPECT_TRUE(lessThan(object("2F00h", "00h"), object("2a00h", "00h")));  // lower case sorts last
    EXPECT_FALSE(lessThan(object("2000h", "01h"), object("2000h", "01h")));
}

class DictObjectWriting : public ::testing::Test {
protected:
    void SetUp() override {
        bases::SetBaseElement groups;
        groups.id = "20";
        groups.items = {{w("Общие "), "General", "", ""}, {w("Двигатель"), "Motor", "", ""}};
        m_sets.elements().push_back(groups);
        ScaleNumber scale;
        scale.units = "5";
        scale.prefix = "3";
        scale.scaleQ = "24";
        scale.num_of_float = "2";
        m_scales = {ScaleNumber(), ScaleNumber(), scale};
    }

    std::string write(DictObject& object, int groupSet = 20) {
        XMLNode parent = XMLNode::createDocument();
        const ObjectWriteContext context{m_scales, m_sets, groupSet, app::Language::Russian, m_translator};
        object.writeToXml(parent, context);
        return parent.createXMLString();
    }

    bases::SetBase m_sets;
    std::vector<ScaleNumber> m_scales;
    app::Translator m_translator;
};

TEST_F(DictObjectWriting, ElementBytes) {
    DictObject object = readObject(
        "<obj_3000h.01h DataType=\"Editable\" name=\"n\" addr=\"a\" group=\"1\" groupName=\"old\" fullgroup=\"\" callback=\"\">"
        "<format Type=\"IQ\" Size=\"32\" Signed=\"true\" QValue=\"24\" ScaleNum=\"2\"/><text text=\"t\" textID=\"5\"/>"
        "<defaults default=\"1\" min=\"\" max=\"\"/><description description=\"&quot;d&quot;\"/></obj_3000h.01h>");
    EXPECT_EQ(write(object),
              "<obj_3000h.01h DataType=\"Editable\" name=\"n\" addr=\"a\" group=\"1\" groupName=\"" + w("Двигатель") +
                  "\" fullgroup=\"\" callback=\"\">\n"
                  "\t<format Type=\"IQ\" Size=\"32\" Signed=\"true\" QValue=\"24\" ScaleNum=\"2\"/>\n"
                  "\t<text text=\"t\" textID=\"5\"/>\n"
                  "\t<defaults default=\"1\" min=\"\" max=\"\"/>\n"
                  "\t<description description=\"&quot;d&quot;\"/>\n"
                  "</obj_3000h.01h>\n");
    EXPECT_EQ(object.groupName, "old");  // the field keeps what was read
}

TEST_F(DictObjectWriting, FormatAttributesByType) {
    struct Row { const char* type; DictObject object; std::string format; };
    DictObject bit;
    bit.Type = "Bit";
    bit.Visualization = "Dec";
    bit.Length = 2;
    bit.StartBit = 3;
    DictObject absolute;
    absolute.Type = "Float";
    absolute.FloatType = "Absolute";
    absolute.Prefix = 1;
    absolute.Units = 2;
    absolute.NumOfFloat = 3;
    DictObject relative;
    relative.Type = "Float";
    relative.FloatType = "Relative";
    relative.ScaleNum = 4;
    DictObject number;
    number.Type = "StandartNum";
    number.Size = "8";
    number.Signed = "false";
    DictObject root;
    root.Type = "Root";
    Row rows[] = {
        {"bit", bit, "<format Type=\"Bit\" Visualization=\"Dec\" Length=\"2\" StartBit=\"3\"/>"},
        {"absolute", absolute, "<format Type=\"Float\" FloatType=\"Absolute\" Prefix=\"1\" Units=\"2\" NumOfFloat=\"3\"/>"},
        {"relative", relative, "<format Type=\"Float\" FloatType=\"Relative\" ScaleNum=\"4\"/>"},
        {"number", number, "<format Type=\"StandartNum\" Size=\"8\" Signed=\"false\"/>"},
        {"root", root, "<format Type=\"Root\"/>"},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.type);
        row.object.index = "3000h";
        row.object.subindex = "00h";
        EXPECT_NE(write(row.object).find("\t" + row.format + "\n"), std::string::npos);
    }
}

TEST_F(DictObjectWriting, NormalisesDefaultsAndLimitsInMemory) {
    struct Row { const char* name; std::string def, min, max; std::string expectedDef, expectedMin, expectedMax; };
    const Row rows[] = {
        {"one-sided minimum", "", "5", "", "0", "5", "0"},
        {"one-sided maximum", "7", "", "9", "7", "0", "9"},
        {"no limits stay empty", "", "", "", "0", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DictObject object;
        object.index = "3000h";
        object.subindex = "00h";
        object.defaultValue = row.def;
        object.min = row.min;
        object.max = row.max;
        const std::string written = write(object);
        EXPECT_EQ(object.defaultValue, row.expectedDef);
        EXPECT_EQ(object.min, row.expectedMin);
        EXPECT_EQ(object.max, row.expectedMax);
        EXPECT_NE(written.find("<defaults default=\"" + row.expectedDef + "\" min=\"" + row.expectedMin + "\" max=\"" +
                               row.expectedMax + "\"/>"),
                  std::string::npos);
    }
}

TEST_F(DictObjectWriting, ScaleCoefficientObjectsFollowTheTable) {
    struct Row { std::string index, subindex, expected; };
    const Row rows[] = {
        {"2102h", "02h", std::to_string(5 * 1024 + 3 * 128 + 2 * 32 + 24)},
        {"2102h", "03h", "24"}, {"2102h", "04h", "2"}, {"2102h", "05h", "3"}, {"2102h", "06h", "5"},
        {"2102h", "01h", "keep"}, {"2103h", "02h", "keep"}, {"2100h", "03h", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index + "." + row.subindex);
        DictObject object;
        object.index = row.index;
        object.subindex = row.subindex;
        object.defaultValue = "keep";
        write(object);
        EXPECT_EQ(object.defaultValue, row.expected.empty() ? "0" : row.expected);
    }
}

TEST_F(DictObjectWriting, GroupNameAndFaults) {
    struct Row { const char* name; std::string group; int groupSet; std::string expected; };
    const Row rows[] = {
        {"trimmed item text", "0", 20, w("Общие")},
        {"outside the enumeration", "2", 20, w("неизвестна")},
        {"negative", "-1", 20, w("неизвестна")},
        {"not a number", "x", 20, w("неизвестна")},
        {"no such enumeration", "0", 21, w("неизвестна")},
        {"no enumeration number", "0", -1, w("неизвестна")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DictObject object;
        object.index = "3000h";
        object.subindex = "00h";
        object.group = row.group;
        EXPECT_NE(write(object, row.groupSet).find("groupName=\"" + row.expected + "\""), std::string::npos);
    }

    DictObject tooLong;
    tooLong.index = "12600h";
    tooLong.subindex = "01h";
    EXPECT_EQ(write(tooLong), "");
    EXPECT_EQ(tooLong.outcome.code, 2);
    EXPECT_EQ(tooLong.outcome.message, u"String 'index.subindex' is too long: 12600h.01h");

    // Found by the profile's fuzz target: an element named "b" gave the address ".", which was
    // written as "obj_." and read back as another address.
    DictObject noIndex;
    EXPECT_EQ(write(noIndex), "");
    EXPECT_EQ(noIndex.outcome.code, 2);
    EXPECT_EQ(noIndex.outcome.message, u"Index of 'index.subindex' is not 5 characters long: .");

    DictObject fine;
    fine.index = "3000h";
    fine.subindex = "00h";
    const ObjectWriteContext context{m_scales, m_sets, 20, app::Language::Russian, m_translator};
    EXPECT_EQ(fine.writeToXml(XMLNode(), context).code, 1);
}

}  // namespace
}  // namespace tabrin::model
