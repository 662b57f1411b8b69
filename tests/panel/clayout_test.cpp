// The C panel files of types 2, 3 and 4, line by line.
#include <gtest/gtest.h>

#include "panel/clayout.h"
#include "layoutlines.h"

namespace tabrin {
namespace {

using panel::PanelType;
using test::Lines;
using test::linesAfter;
using test::w;

class CLayout : public ::testing::Test {
protected:
    Lines layout(PanelType type, const panel::PanelWorkingSets& working, const char* typeName = "Си для 28x") {
        const panel::LayoutContext context{m_layout.environment, {"/p/a.xml", "/p/b.xml"}, w(typeName), ""};
        return panel::cFileLines(type, working, context);
    }

    // Texts 3 (bound to 12) and 5; enumeration 12 with two items and 7 without items.
    static panel::PanelWorkingSets smallSet() {
        return {{{3, w("Скорость"), 12}, {5, "AB", 0}}, {{12, {w("Выкл"), w("Вкл")}}, {7, {}}}};
    }

    static std::string arrayLine(PanelType type) {
        return type == PanelType::CPacked2808 ? "Uint16 const texts_texts[]={" : "const char* const texts_texts[]={";
    }

    test::LayoutEnvironment m_layout;
};

const std::vector<std::string> kUnknownEnumeration = {
    "  default: ",        "  \tout_dec_unsigned(EnumNumber, 9, 0); ",
    "  \taddr[0]='Н';", "  \taddr[1]='е';", "  \taddr[2]='т';", "  \taddr[3]='П';", "  \taddr[4]='е';",
    "  \taddr[5]='р';"};

const std::vector<std::string> kUnknownValue = {"if ((Slovo[0]==0)||(EnumVarsCounter(EnumNumber)<=BitVar)) ",
                                                "{ ",
                                                "\tSlovo=(const char*)addr; ",
                                                "\tout_dec_unsigned(BitVar, 5, 0);  ",
                                                "\taddr[0]='В'; ",
                                                "\taddr[1]='а'; ",
                                                "\taddr[2]='р'; ",
                                                "\t}",
                                                "return(Slovo);",
                                                "}"};

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<std::string> kHead23 = {
    "/************************************************************",
    "* Файл описания текстов для ПУ [Си для 28x] *",
    "* для профиля(й) *\n* /p/a.xml *\n* /p/b.xml *",
    "* Дата создания: 01.02.2024 10:20:30 *",
    "* Пользователь: Иванов *",
    "************************************************************/",
    "#include \"main.h\"",
    "const char* const texts_enum12[]={",
    "\"Выкл\",",
    "\"Вкл\",",
    "\"\x01\",",
    "};",
    "const char* const texts_enum7[]={",
    "\"\x01\",",
    "};"};

TEST_F(CLayout, Type28xFile) {
    const std::vector<std::string> expected =
        joined({kHead23,
                {"Uint16 FindEnumLevel = 0;", "const char* FindEnum(Uint16 EnumNumber, Uint16 BitVar){",
                 "  const char*\tSlovo = 0;", "  switch (EnumNumber){",
                 "          case 12: Slovo = texts_enum12[BitVar]; break;",
                 "          case 7: Slovo = texts_enum7[BitVar]; break;"},
                kUnknownEnumeration,
                {"  \tSlovo=(char*)addr;", "  \tFindEnumLevel--;", "  \treturn (Slovo);", "}", "if (FindEnumLevel)",
                 "\treturn (Slovo);"},
                kUnknownValue,
                {"", "const char* const texts_texts[]={", "\"\",", "\"\",", "\"\",", "\"Скорость~k,\",", "\"\",",
                 "\"AB\",", "};", "Uint16 const TextCounter = 5;"}});
    EXPECT_EQ(layout(PanelType::C28x, smallSet()), test::cp1251Lines(expected));
}

TEST_F(CLayout, TypePacked2808File) {
    const std::vector<std::string> expected = joined(
        {kHead23,
         {"Uint16 FindEnumLevel=0;", "const char* FindEnum(Uint16 EnumNumber, Uint16 BitVar){",
          "  const char*\tSlovo=0;", "  switch (EnumNumber){", "          case 12: Slovo=texts_enum12[BitVar]; break;",
          "          case 7: Slovo=texts_enum7[BitVar]; break;"},
         kUnknownEnumeration,
         {"  \tSlovo=(const char*)addr;", "  \tFindEnumLevel--;", "  \treturn(Slovo);", "}", "if (FindEnumLevel)",
          "\treturn(Slovo);"},
         kUnknownValue,
         // "Скорость~k," in Windows-1251: D1 EA EE F0 EE F1 F2 FC 7E 6B 2C.
         {"", "Uint16 const texts_texts[]={", "0,", "0,", "0,", "60113,61678,61934,64754,27518,44,0,       //Скорость",
          "0,", "16961,0,       //AB", "};", "Uint16 const TextCounter = 5;"}});
    EXPECT_EQ(layout(PanelType::CPacked2808, smallSet()), test::cp1251Lines(expected));
}

TEST_F(CLayout, TypeHiwinFile) {
    const std::vector<std::string> expected = {
        "/************************************************************",
        "* Файл описания текстов для ПУ\r\n* [Си для ПУ HIWIN] для профиля(й):\r\n* /p/a.xml\r\n* /p/b.xml",
        "* Дата создания: 01.02.2024 10:20:30",
        "* Пользователь: Иванов",
        "************************************************************/",
        "",
        "#include <LCD/LCD_Text.h>",
        "",
        "const char* const texts_enum12[]={",
        "\"Выкл\",",
        "\"Вкл\",",
        "\"\x01\",",
        "};",
        "const char* const texts_enum7[]={",
        "\"\x01\",",
        "};",
        "const char* FindEnum(Uint16 EnumNumber, Uint16 BitVar)\r\n{",
        "\tconst char* Slovo = 0;",
        " \tswitch (EnumNumber)\r\n\t{",
        "\t\tcase 12: Slovo = texts_enum12[BitVar]; break;",
        "\t\tcase 7: Slovo = texts_enum7[BitVar]; break;",
        "\t}",
        "\treturn(Slovo);",
        "}",
        "",
        "const char* const texts_texts[]={",
        "\"\",",
        "\"\",",
        "\"\",",
        "\"Скорость~k,\",",
        "\"\",",
        "\"AB\",",
        "};",
        "",
        "Uint16 const TextCounter = 5;"};
    EXPECT_EQ(layout(PanelType::CHiwin, smallSet(), "Си для ПУ HIWIN"), test::cp1251Lines(expected));
}

TEST_F(CLayout, TextEntries) {
    const struct {
        const char* name;
        PanelType type;
        const char* text;
        int set;
        const char* entry;
    } cases[] = {
        {"reference of 12 is a comma", PanelType::C28x, "Скорость", 12, "\"Скорость~k,\","},
        {"reference of 2 is an escaped double quote", PanelType::C28x, "Скорость", 2, "\"Скорость~k\\\"\","},
        {"reference of 300 takes two characters", PanelType::C28x, "Скорость", 300, "\"Скорость~kl!\","},
        {"HIWIN escapes the reference too", PanelType::CHiwin, "Скорость", 2, "\"Скорость~k\\\"\","},
        {"quotes become ~X marks", PanelType::C28x, "a\"b\"c", 0, "\"~Xab~Xc\","},
        {"a backslash stays one character", PanelType::C28x, "a\\b", 0, "\"a\\\\b\","},
        {"packed even length", PanelType::CPacked2808, "AB", 0, "16961,0,       //AB"},
        {"packed odd length", PanelType::CPacked2808, "ABC", 0, "16961,67,0,       //ABC"},
        {"packed reference without a backslash", PanelType::CPacked2808, "AB", 2, "16961,27518,34,0,       //AB"},
        {"packed quotes", PanelType::CPacked2808, "a\"b", 0, "22654,25185,0,       //~Xab"},
        {"packed empty text", PanelType::CPacked2808, "", 0, "0,       //"},
        // A comment ending in a backslash would continue into the next text's line.
        {"packed comment never ends in a backslash", PanelType::CPacked2808, "a\\", 0, "23649,0,       //a\\."},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const Lines lines = layout(row.type, {{{0, w(row.text), row.set}}, {}});
        EXPECT_EQ(linesAfter(lines, arrayLine(row.type), 1), std::vector<std::string>{row.entry});
    }
}

TEST_F(CLayout, FillersKeepTheTextsAtTheirNumbers) {
    const struct {
        const char* name;
        PanelType type;
        const char* filler;
    } cases[] = {{"strings", PanelType::C28x, "\"\","}, {"packed", PanelType::CPacked2808, "0,"},
                 {"HIWIN", PanelType::CHiwin, "\"\","}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const Lines lines = layout(row.type, {{{3, "", 0}, {5, "", 0}}, {}});
        const std::vector<std::string> entries = linesAfter(lines, arrayLine(row.type), 7);
        ASSERT_EQ(entries.size(), 7u);
        for (const std::size_t filler : {0, 1, 2, 4}) EXPECT_EQ(entries[filler], row.filler);
        EXPECT_EQ(entries[6], "};");
        EXPECT_EQ(lines.back(), "Uint16 const TextCounter = 5;");
    }
}

TEST_F(CLayout, ItemLines) {
    const struct {
        const char* name;
        std::vector<std::string> items;
        std::vector<std::string> lines;  // after the opening line
    } cases[] = {
        {"quotes handled", {"a\"b"}, {"\"~Xab\",", "\"\x01\",", "};"}},
        {"first carriage return dropped", {"x\r\r"}, {"\"x\r\",", "\"\x01\",", "};"}},
        {"empty item keeps its place", {"", "Да"}, {"\"\",", "\"Да\",", "\"\x01\",", "};"}},
        {"no items", {}, {"\"\x01\",", "};"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> items;
        for (const std::string& item : row.items) items.push_back(w(item));
        const Lines lines = layout(PanelType::C28x, {{}, {{9, items}}});
        EXPECT_EQ(linesAfter(lines, "const char* const texts_enum9[]={", row.lines.size()), row.lines);
    }
}

}  // namespace
}  // namespace tabrin
