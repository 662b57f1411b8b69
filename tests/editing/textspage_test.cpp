// The texts page as data: filter and show-others, rights, the short-text cut and the quote refusal,
// the duplicate warning, edits, add, author change and binding as commands undone and redone back to
// the exact base, the missing enumeration's binding kept, the leave question, column widths.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "editing/textspage.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

class TextsPageTest : public ::testing::Test {
protected:
    TextsPageTest() {
        add("1", "Пуск", "Start", "Pusk", "ivan", "13");
        add("2", "Стоп", "Stop", "", "ABC", "0");
        add("3", "Пуск", "Run", "", "ivan", "13");
        add("12", "Ток", "Current", "", "ivan", "99");
        add("20", "Пуск", "Start", "x12", "petr", "13");
        addSet("13", "ivan", {"Выкл", "Вкл"});
        addSet("14", "petr", {"Нет"});
        addSet("15", "ivan", {});
        m_texts.save(m_folder.path() / "TextBase.xml");
        m_document.load(m_port);
        m_original = m_texts.elements();
    }

    void add(const char* number, const char* russian, const char* english, const char* shortText, const char* author,
             const char* set) {
        m_texts.elements().push_back({number, number, shortText, set, w(russian), english, author});
    }
    void addSet(const char* number, const char* author, std::vector<const char*> items) {
        bases::SetBaseElement set;
        set.id = number;
        set.author = author;
        for (const char* item : items) set.items.push_back(bases::SetTextItem::make(w(item), "", "", ""));
        m_sets.elements().push_back(set);
    }

    std::vector<std::string> numbers() const {
        std::vector<std::string> shown;
        for (int row = 0; row < m_page.rowCount(); ++row) shown.push_back(m_page.cell(row, kTextNumber));
        return shown;
    }
    int rowOf(std::string_view number) { return m_page.fill("", true, number); }

    test::TempFolder m_folder;
    app::Translator m_translator;
    bases::TextBase m_texts;
    bases::SetBase m_sets;
    std::vector<bases::TextBaseElement> m_original;
    TextBaseDocument m_document{m_texts, m_folder.path() / "TextBase.xml", m_translator};
    test::ScriptedMessagePort m_port;
    TextsPage m_page{m_document, m_sets, "ivan", app::Language::Russian, m_translator, m_port};
};

// Every header is Windows-1251 text, its number sign included, as the grids expect.
TEST_F(TextsPageTest, HeadersAreWindows1251Text) {
    EXPECT_EQ(m_page.headers(), (std::array<std::string, kTextsColumns>{
                                    w("№"), w("Длинный русский"), w("Длинный английский"), w("Короткий"), w("Автор")}));
    EXPECT_EQ(m_page.boundItemHeaders(), (ItemRow{w("№"), w("Длинный русский"), w("Длинный английский"),
                                                  w("Короткий русский"), w("Короткий английский")}));
}

TEST_F(TextsPageTest, FilterAndShowOthersChooseTheRows) {
    struct Row {
        const char* name;
        const char* filter;
        bool showOthers;
        std::vector<std::string> listed;
    } rows[] = {
        {"own texts only", "", false, {"1", "3", "12"}},
        {"every text", "", true, {"1", "2", "3", "12", "20"}},
        {"lower case and trimmed, author matched", "  abc ", true, {"2"}},
        {"number as typed or inside a text", "12", true, {"12", "20"}},
        {"Cyrillic filter lowered", "ПУСК", false, {"1", "3"}},
        {"nothing matches", "zzz", true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_page.fill(w(row.filter), row.showOthers, "");
        EXPECT_EQ(numbers(), row.listed);
    }
}

TEST_F(TextsPageTest, KeepsTheNumberSelectedOrElseTheLastRow) {
    EXPECT_EQ(m_page.fill("", false, "3"), 1);
    EXPECT_EQ(m_page.fill("", false, "20"), 2);  // another user's text is not listed
    EXPECT_EQ(m_page.fill("zzz", false, "1"), -1);
}

TEST_F(TextsPageTest, OnlyOwnTextsAreEditedAndNeverNumberOrAuthor) {
    const int own = rowOf("1");
    const int other = rowOf("20");
    EXPECT_TRUE(m_page.isOwn(own));
    EXPECT_FALSE(m_page.isOwn(other));
    for (int column = 0; column < kTextsColumns; ++column) {
        SCOPED_TRACE(column);
        const bool textColumn = column >= kTextLongRussian && column <= kTextShort;
        EXPECT_EQ(m_page.canEdit(own, column), textColumn);
        EXPECT_FALSE(m_page.canEdit(other, column));
    }
    EXPECT_FALSE(m_page.setCell(other, kTextLongRussian, "x"));
    EXPECT_FALSE(m_page.setCell(own, kTextAuthor, "x"));
    EXPECT_FALSE(m_page.changeAuthor(other, "ivan"));
    EXPECT_EQ(m_texts.elements(), m_original);
    EXPECT_FALSE(m_document.isModified());
}

TEST_F(TextsPageTest, QuoteIsRefusedWithItsMessage) {
    m_page.tellQuoteRefused();
    EXPECT_FALSE(m_page.setCell(rowOf("1"), kTextLongEnglish, "it's"));
    ASSERT_EQ(m_port.asked().size(), 2u);
    EXPECT_EQ(m_port.asked()[0],
              (app::Message{w("Ошибка"),
                            w("Символ ' (одинарная кавычка) является недопустимым.\r\nМожно заменить его на символ ` "
                              "(на клавише Ё)."),
                            app::MessageButtons::Ok, app::MessageIcon::Warning}));
    EXPECT_EQ(m_texts.elements(), m_original);
}

TEST_F(TextsPageTest, ShortTextIsCutToTwentyWithItsMessage) {
    const std::string typed = w("Двадцать пять символов!!!");
    ASSERT_EQ(typed.size(), 25u);
    const int row = rowOf("3");
    EXPECT_TRUE(m_page.setCell(row, kTextShort, typed));
    EXPECT_EQ(m_page.cell(row, kTextShort), typed.substr(0, 20));
    ASSERT_EQ(m_port.asked().size(), 1u);
    EXPECT_EQ(m_port.asked()[0].text,
              w("Короткий текст не должен быть длиннее 20 символов.\nКороткий текст 'Двадцать пять символов!!!' был "
                "обрезан до 'Двадцать пять символ'"));
    EXPECT_EQ(m_port.asked()[0].icon, app::MessageIcon::Warning);
    EXPECT_TRUE(m_page.setCell(row, kTextShort, w("ровно двадцать симв.")));
    EXPECT_EQ(m_port.asked().size(), 1u);  // twenty characters pass untold
}

TEST_F(TextsPageTest, DuplicateWarningNeedsTheSameKindTextAndBinding) {
    struct Row {
        const char* name;
        const char* number;
        int column;
        const char* warning;
    } rows[] = {
        {"same Russian text and binding: the last match named", "1", kTextLongRussian,
         "Текущий 'длинный русский' текст №1 совпадает с текстом №20 (автор: petr)"},
        {"from the other side", "20", kTextLongRussian,
         "Текущий 'длинный русский' текст №20 совпадает с текстом №3 (автор: ivan)"},
        {"English text", "1", kTextLongEnglish,
         "Текущий 'длинный английский' текст №1 совпадает с текстом №20 (автор: petr)"},
        {"different text", "3", kTextLongEnglish, ""},
        {"empty cell", "2", kTextShort, ""},
        {"number column", "1", kTextNumber, ""},
        {"different binding", "12", kTextLongRussian, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(m_page.duplicateWarning(rowOf(row.number), row.column), w(row.warning));
    }
    // Unbinding text 3 ends its match with text 1.
    m_page.bind(rowOf("3"), "0");
    EXPECT_EQ(m_page.duplicateWarning(rowOf("1"), kTextLongRussian),
              w("Текущий 'длинный русский' текст №1 совпадает с текстом №20 (автор: petr)"));
    EXPECT_EQ(m_page.duplicateWarning(rowOf("3"), kTextLongRussian), "");
}

TEST_F(TextsPageTest, EveryEditIsUndoneAndRedoneExactly) {
    struct Row {
        const char* name;
        std::function<bool(TextsPage&, int)> edit;
        const char* number;
        const char* menuText;
        std::function<void(bases::TextBaseElement&)> expected;
    } rows[] = {
        {"long Russian text", [](TextsPage& page, int row) { return page.setCell(row, kTextLongRussian, w("Пуск!")); },
         "1", "правка текста №1", [](bases::TextBaseElement& text) { text.trus = w("Пуск!"); }},
        {"texts emptied: the binding goes",
         [](TextsPage& page, int row) {
             return page.setCell(row, kTextLongRussian, "") && page.setCell(row, kTextLongEnglish, "");
         },
         "3", "правка текста №3",
         [](bases::TextBaseElement& text) {
             text.trus.clear();
             text.teng.clear();
             text.sets = "0";
         }},
        {"author", [](TextsPage& page, int row) { return page.changeAuthor(row, "petr"); }, "12",
         "смена автора текста №12", [](bases::TextBaseElement& text) { text.author = "petr"; }},
        {"binding", [](TextsPage& page, int row) { return page.bind(row, "14"); }, "1",
         "привязка текста №1 к перечислению", [](bases::TextBaseElement& text) { text.sets = "14"; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int position = rowOf(row.number);
        ASSERT_TRUE(row.edit(m_page, position));
        std::vector<bases::TextBaseElement> expected = m_original;
        row.expected(expected[m_page.element(position)]);
        EXPECT_EQ(m_texts.elements(), expected);
        EXPECT_TRUE(m_document.isModified());
        EXPECT_EQ(m_document.undoText(), w(row.menuText));
        while (m_document.canUndo()) m_document.undo();
        EXPECT_EQ(m_texts.elements(), m_original);
        EXPECT_FALSE(m_document.isModified());
        while (m_document.canRedo()) m_document.redo();
        EXPECT_EQ(m_texts.elements(), expected);
        while (m_document.canUndo()) m_document.undo();
    }
}

TEST_F(TextsPageTest, AnEditThatChangesNothingMakesNoCommand) {
    EXPECT_FALSE(m_page.setCell(rowOf("1"), kTextLongRussian, w("Пуск")));
    EXPECT_FALSE(m_page.bind(rowOf("1"), "13"));
    EXPECT_FALSE(m_document.canUndo());
    EXPECT_FALSE(m_document.isModified());
}

TEST_F(TextsPageTest, AddAppendsTheNextNumberAndUndoRemovesIt) {
    m_texts.elements()[4].id = "40";
    m_texts.elements()[4].textid = "38";
    m_original = m_texts.elements();
    const std::optional<std::string> number = m_page.add();
    ASSERT_EQ(number, "39");
    ASSERT_EQ(m_texts.elements().size(), 6u);
    EXPECT_EQ(m_texts.elements().back(), (bases::TextBaseElement{"41", "39", "", "0", "", "", "ivan"}));
    EXPECT_EQ(m_page.fill("", false, *number), 3);
    EXPECT_EQ(m_document.undoText(), w("добавление текста №39"));
    m_document.undo();
    EXPECT_EQ(m_texts.elements(), m_original);

    m_texts.elements().clear();
    EXPECT_EQ(m_page.add(), std::nullopt);
    EXPECT_TRUE(m_texts.elements().empty());
}

TEST_F(TextsPageTest, BindingListOffersOwnAndCurrentEnumerations) {
    struct Row {
        const char* name;
        const char* number;
        bool showOthers;
        std::vector<std::string> entries;
        int selected;
    } rows[] = {
        {"own enumerations, current selected", "1", false, {"--- ОТСУТСТВУЕТ ---", "13: Выкл/Вкл", "15: "}, 1},
        {"others shown too", "1", true, {"--- ОТСУТСТВУЕТ ---", "13: Выкл/Вкл", "14: Нет", "15: "}, 1},
        {"another user's current enumeration", "20", false, {"--- ОТСУТСТВУЕТ ---", "13: Выкл/Вкл", "15: "}, 1},
        {"unbound", "2", false, {"--- ОТСУТСТВУЕТ ---", "13: Выкл/Вкл", "15: "}, 0},
        {"missing from the base: kept and named", "12", false,
         {"--- ОТСУТСТВУЕТ ---", "13: Выкл/Вкл", "15: ", "№ 99 (нет в базе)"}, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BindingList list = m_page.bindingList(rowOf(row.number), row.showOthers);
        std::vector<std::string> names;
        for (const BindingEntry& entry : list.entries) names.push_back(entry.name);
        std::vector<std::string> expected;
        for (const std::string& name : row.entries) expected.push_back(w(name.c_str()));
        EXPECT_EQ(names, expected);
        EXPECT_EQ(list.selected, row.selected);
    }
    // Offering the list changes nothing, not even for the missing enumeration.
    EXPECT_EQ(m_texts.elements(), m_original);
    EXPECT_FALSE(m_document.isModified());
}

TEST_F(TextsPageTest, BoundEnumerationShowsItsAuthorAndItems) {
    const int row = rowOf("1");
    EXPECT_EQ(m_page.boundAuthorLine(row), w("Автор: ivan"));
    const std::vector<BoundItemRow> items = m_page.boundItems(row);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1], (BoundItemRow{"1", w("Вкл"), "", "", ""}));
    EXPECT_EQ(m_page.boundAuthorLine(rowOf("12")), "");
    EXPECT_TRUE(m_page.boundItems(rowOf("2")).empty());
}

TEST_F(TextsPageTest, AuthorChangeIsOfferedInTheAuthorColumnOfOwnTexts) {
    const std::optional<AuthorChange> change = m_page.authorChange(rowOf("12"), kTextAuthor);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->hint(), w("Вы собираетесь сменить автора для текста \"Ток\" под номером 12."));
    EXPECT_EQ(change->author(), "ivan");
    EXPECT_EQ(change->names(), m_page.knownAuthors());
    EXPECT_FALSE(m_page.authorChange(rowOf("12"), kTextLongRussian));
    EXPECT_FALSE(m_page.authorChange(rowOf("20"), kTextAuthor));  // another user's text
}

TEST_F(TextsPageTest, KnownAuthorsAreListedOnceInBaseOrder) {
    EXPECT_EQ(m_page.knownAuthors(), (std::vector<std::string>{"ivan", "ABC", "petr"}));
}

TEST_F(TextsPageTest, LeavingAModifiedBaseAsks) {
    const std::string file = test::readFile(m_document.file());
    struct Row {
        const char* name;
        app::MessageAnswer answer;
        bool savedChange;
    } rows[] = {{"Yes saves", app::MessageAnswer::Yes, true}, {"No reloads the file", app::MessageAnswer::No, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::writeFile(m_document.file(), file);
        m_document.load(m_port);
        test::ScriptedMessagePort port({row.answer});
        TextsPage page(m_document, m_sets, "ivan", app::Language::Russian, m_translator, port);
        const int edited = page.fill("", false, "3");
        ASSERT_TRUE(page.setCell(edited, kTextLongEnglish, "Go"));
        EXPECT_TRUE(page.leave());
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(port.asked()[0], (app::Message{w("Сохранение баз"),
                                                 w("База текстов была изменена.\nСохранить изменения?"),
                                                 app::MessageButtons::YesNo, app::MessageIcon::Question}));
        EXPECT_FALSE(m_document.isModified());
        EXPECT_EQ(m_document.canUndo(), row.savedChange);  // reloading forgets the history
        EXPECT_EQ(m_texts.elements()[2].teng, row.savedChange ? "Go" : "Run");
        EXPECT_EQ(test::readFile(m_document.file()) != file, row.savedChange);
        EXPECT_TRUE(page.leave());  // nothing modified: nothing asked
        EXPECT_EQ(port.asked().size(), 1u);
    }
}

TEST_F(TextsPageTest, SavedStateIsTheCleanPointOfTheHistory) {
    ASSERT_TRUE(m_page.setCell(rowOf("1"), kTextShort, "a"));
    ASSERT_TRUE(m_document.save(m_port));
    EXPECT_FALSE(m_document.isModified());
    m_document.undo();
    EXPECT_TRUE(m_document.isModified());
    m_document.redo();
    EXPECT_FALSE(m_document.isModified());
    // A change made to the base outside the document stays a modification through undo and redo.
    m_texts.setModified(true);
    m_document.undo();
    m_document.redo();
    EXPECT_TRUE(m_document.isModified());
}

TEST_F(TextsPageTest, ColumnWidthsForBothLanguages) {
    struct Row {
        const char* name;
        int width;
        app::Language language;
        std::array<int, kTextsColumns> widths;
    } rows[] = {
        {"Russian", 600, app::Language::Russian, {35, 165, 165, 82, 120}},
        {"Russian, short column at its most", 1200, app::Language::Russian, {35, 441, 441, 130, 120}},
        {"English", 500, app::Language::English, {35, 0, 208, 104, 120}},
        {"English, short column at its most", 1200, app::Language::English, {35, 0, 883, 130, 120}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(TextsPage::columnWidths(row.width, row.language), row.widths);
    }
}

}  // namespace
}  // namespace tabrin::editing
