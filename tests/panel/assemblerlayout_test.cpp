// The assembler panel files of types А and Ш, line by line.
#include <gtest/gtest.h>

#include "panel/assemblerlayout.h"
#include "layoutlines.h"

namespace tabrin {
namespace {

using test::haveInOrder;
using test::Lines;
using test::linesAfter;
using test::w;

enum class Type { A, Sh };

class AssemblerLayout : public ::testing::Test {
protected:
    Lines layout(Type type, const panel::PanelWorkingSets& working) {
        const panel::LayoutContext context{m_layout.environment, {"/p/a.xml", "/p/b.xml"}, "", ""};
        return type == Type::A ? panel::typeAFileLines(working, context) : panel::typeShFileLines(working, context);
    }

    static panel::PanelWorkingSets texts(std::vector<panel::PanelText> texts) {
        for (panel::PanelText& text : texts) text.text = w(text.text);
        return {std::move(texts), {{12, {w("Стоп"), w("Пуск~m")}}}};
    }
    static panel::PanelWorkingSets enumeration(std::vector<std::string> items) {
        for (std::string& item : items) item = w(item);
        return {{}, {{12, std::move(items)}}};
    }

    test::LayoutEnvironment m_layout;
};

std::vector<std::string> head(const char* title) {
    return {std::string(60, '*'),
            title,
            "* для профиля(й) *\n* /p/a.xml *\n* /p/b.xml *",
            "* Дата создания: 01.02.2024 10:20:30 *",
            "* Пользователь: Иванов *",
            std::string(60, '*'),
            "    ; В файле texts.inc могут содержаться переопределения",
            "    ; автоматически генерируемых символов. Например,",
            "    ; смещение перечисления размерностей, метка на который",
            "    ; генерируется автоматически и не является асоциативно",
            "    ; понятной для программиста.",
            "    .include    texts.inc"};
}

TEST_F(AssemblerLayout, TypeAFile) {
    const panel::PanelWorkingSets working{{{2, w("Стоп"), 0}, {3, w("Реверс"), 12}},
                                          {{12, {w("Стоп"), w("Пуск~m")}}, {7, {}}}};
    const Lines lines = layout(Type::A, working);
    const std::vector<std::string> expectedHead =
        head("* Файл описания текстов для Пульта Оперативного Управления (тип А) *");
    ASSERT_GE(lines.size(), expectedHead.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 12), test::cp1251Lines(expectedHead));
    EXPECT_TRUE(haveInOrder(lines, {"    .include    texts.inc",
                                    "    .def    texts_enumsIndexTbl",
                                    "texts_enumsIndexTbl:",
                                    "numOfEnums   .set   2",
                                    "    .def    numOfEnums",
                                    "  .word 12",
                                    "  .word texts_enum12",
                                    "  .word 7",
                                    "  .word texts_enum7",
                                    "    .def    texts_enumsTbl",
                                    "texts_enumsTbl:",
                                    "    ; Размер записи 5 символ(а/ов)",
                                    "    ; или 3 слов(а/ов)",
                                    "texts_enum12Len    .set    5",
                                    "    .word 2 ; вариантов",
                                    "    .word texts_enum12Len",
                                    "texts_enum12:",
                                    "    ; Стоп",
                                    "    ; Пуск~m",
                                    "    ; Размер записи 0 символ(а/ов)",
                                    "    ; или 0 слов(а/ов)",
                                    "texts_enum7Len    .set    0",
                                    "    .word 1 ; вариантов",
                                    "    .word texts_enum7Len",
                                    "texts_enum7:",
                                    "",
                                    std::string(60, '*'),
                                    "; Таблица ссылок на тексты",
                                    "    .def    texts_addrTbl",
                                    "texts_addrTbl:",
                                    "    .word    2   ; Стоп",
                                    "    .word    texts_texts2-texts_textsTbl",
                                    "    .word    3+32768   ; Реверс",
                                    "    .word    texts_texts3-texts_textsTbl",
                                    "    .def    texts_numOfTexts",
                                    "texts_numOfTexts    .set    2",
                                    "",
                                    std::string(60, '*'),
                                    "; Таблица текстов",
                                    "    .def    texts_textsTbl",
                                    "texts_textsTbl:",
                                    "",
                                    "texts_texts2:",
                                    "",
                                    "texts_texts3:"}));
    // An enumeration without items has no item lines: the empty line before the address table follows.
    EXPECT_EQ(linesAfter(lines, "texts_enum7:", 1), std::vector<std::string>{""});
}

TEST_F(AssemblerLayout, TypeShFile) {
    const panel::PanelWorkingSets working{{{2, w("Стоп"), 0}, {3, w("Реверс"), 12}}, {{12, {w("Выкл")}}}};
    const Lines lines = layout(Type::Sh, working);
    const std::vector<std::string> expectedHead =
        head("* Файл описания текстов для Пульта Оперативного Управления (тип Ш) *");
    ASSERT_GE(lines.size(), expectedHead.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 12), test::cp1251Lines(expectedHead));
    EXPECT_TRUE(haveInOrder(lines, {"    .include    texts.inc",
                                    "    .def    texts_enumsTbl",
                                    "texts_enumsTbl:",
                                    "texts_enum12:",
                                    "    ; Размер записи 4 символ(а/ов)",
                                    "    ; или 2 слов(а/ов)",
                                    "texts_enum12Len    .set    4",
                                    "    ; Выкл",
                                    "    .word    123*256+64    ; Выкл",
                                    "    .word    107*256+106    ; кл",
                                    "",
                                    std::string(60, '*'),
                                    "; Таблица ссылок на тексты",
                                    "    .def    texts_addrTbl",
                                    "texts_addrTbl:",
                                    "    .def    texts_numOfTexts",
                                    "texts_numOfTexts    .set    2",
                                    "    .word    2   ; Стоп",
                                    "    .word    texts_texts2-texts_textsTbl",
                                    "    .word    3+32768   ; Реверс",
                                    "    .word    texts_texts3-texts_textsTbl",
                                    "",
                                    std::string(60, '*'),
                                    "; Таблица текстов",
                                    "    .def    texts_textsTbl",
                                    "texts_textsTbl:",
                                    "",
                                    "texts_texts2:"}));
    for (const char* absent : {"texts_enumsIndexTbl:", "    .word 1 ; вариантов", "    .word texts_enum12Len"}) {
        EXPECT_EQ(std::find(lines.begin(), lines.end(), w(absent)), lines.end()) << absent;
    }
}

TEST_F(AssemblerLayout, RecordLengthAndWordsPerItem) {
    const struct {
        const char* name;
        Type type;
        std::vector<std::string> items;
        int length;
        int words;
    } cases[] = {
        {"escape counts once, type А", Type::A, {"Стоп", "Пуск~m"}, 5, 3},
        {"escape counts once, type Ш", Type::Sh, {"Стоп", "Пуск~m"}, 5, 3},
        {"one item in type Ш", Type::Sh, {"Выкл"}, 4, 2},
        {"escaped tilde is one character", Type::A, {"a~~b"}, 3, 2},
        {"empty items only", Type::A, {"", ""}, 0, 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const Lines lines = layout(row.type, enumeration(row.items));
        const std::string length = std::to_string(row.length);
        const std::string words = std::to_string(row.words);
        EXPECT_TRUE(haveInOrder(lines, {"    ; Размер записи " + length + " символ(а/ов)",
                                        "    ; или " + words + " слов(а/ов)", "texts_enum12Len    .set    " + length}));
        for (const std::string& item : row.items) {
            const std::vector<std::string> following = linesAfter(lines, "    ; " + item, row.words + 1);
            ASSERT_EQ(following.size(), static_cast<std::size_t>(row.words + 1));
            for (int i = 0; i < row.words; ++i) EXPECT_TRUE(following[i].starts_with("    .word    ")) << following[i];
            EXPECT_FALSE(following.back().starts_with("    .word    ")) << following.back();
        }
    }
}

TEST_F(AssemblerLayout, ShorterItemsAreFilledWithTheEndCode) {
    const struct {
        const char* name;
        Type type;
        const char* filler;
    } cases[] = {{"type А", Type::A, "    .word    255*256+255    ; "},
                 {"type Ш", Type::Sh, "    .word    128*256+128    ; "}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const Lines lines = layout(row.type, enumeration({"Да", "Пуск~m"}));
        EXPECT_EQ(linesAfter(lines, "    ; Да", 3),
                  (std::vector<std::string>{"    .word    95*256+66    ; Да", row.filler, row.filler}));
    }
}

TEST_F(AssemblerLayout, TextWords) {
    const struct {
        const char* name;
        Type type;
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"even length ends with a whole end word", Type::A, "AB",
         {"    .word    11*256+10    ; AB", "    .word    255*256+255    ; "}},
        {"odd length ends with the end code high", Type::A, "ABC",
         {"    .word    11*256+10    ; ABC", "    .word    255*256+12    ; C"}},
        {"empty text is one end word", Type::A, "", {"    .word    255*256+255    ; "}},
        {"type Ш cuts at three words", Type::Sh, "ABCDEFGH",
         {"    .word    11*256+10    ; ABCDEFGH", "    .word    13*256+12    ; CDEFGH",
          "    .word    15*256+14    ; EFGH"}},
        {"type Ш fills three words", Type::Sh, "A",
         {"    .word    128*256+10    ; A", "    .word    128*256+128    ; ", "    .word    128*256+128    ; "}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const Lines lines = layout(row.type, texts({{5, row.text, 0}}));
        // Asking for one line more shows that the file ends after the words.
        EXPECT_EQ(linesAfter(lines, "texts_texts5:", row.words.size() + 1), row.words);
    }
}

TEST_F(AssemblerLayout, ReferencesOfBoundTexts) {
    const struct {
        const char* name;
        Type type;
        int set;
        const char* address;
        std::vector<std::string> tail;  // the lines after the text's words
    } cases[] = {
        {"bound, type А", Type::A, 12, "    .word    5+32768   ; AB",
         {"    .word    texts_enum12Len*256+2", "    .word    texts_enum12-texts_enumsTbl"}},
        {"bound, type Ш", Type::Sh, 12, "    .word    5+32768   ; AB",
         {"    .word    texts_enum12Len*256+2", "    .word    texts_enum12-texts_enumsTbl"}},
        {"unbound", Type::A, 0, "    .word    5   ; AB", {}},
        // A record that is not in the file cannot be referred to: the text is written as unbound.
        {"bound to an enumeration the base lacks", Type::A, 300, "    .word    5   ; AB", {}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const Lines lines = layout(row.type, texts({{5, "AB", row.set}}));
        EXPECT_TRUE(haveInOrder(lines, {row.address, "    .word    texts_texts5-texts_textsTbl"}));
        const std::size_t words = row.type == Type::A ? 2 : 3;
        const std::vector<std::string> following = linesAfter(lines, "texts_texts5:", words + row.tail.size() + 1);
        ASSERT_EQ(following.size(), words + row.tail.size());
        EXPECT_EQ(std::vector<std::string>(following.begin() + static_cast<std::ptrdiff_t>(words), following.end()),
                  row.tail);
    }
}

}  // namespace
}  // namespace tabrin
