// The enumerations page as data: the selector's filter and the rule for other users' enumerations,
// rights, the "@" removal and the quote refusal, the size change and its limits, the copy dialog,
// the author change, the bound texts and their unbinding, each edit undone and redone back to the
// exact base, the question on leaving the page, column widths.
#include <gtest/gtest.h>

#include <functional>

#include "app/translator.h"
#include "editing/enumerationspage.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

class EnumerationsPageTest : public ::testing::Test {
protected:
    EnumerationsPageTest() {
        addSet("5", "ivan", {"Нет", "Да"});
        addSet("6", "ivan", {"", "~m", "м", "к", "М"});
        addSet("7", "ivan", std::vector<const char*>(60, "В"));
        addSet("10", "petr", {"Только чтение@Read only@Чт@RO", "Чтение и запись@Read/write@Чт/Зп@RW"});
        addSet("11", "ivan", {""});
        addSet("12", "petr", {""});
        addSet("13", "ivan", {"Выкл", "Вкл@On@Вкл@On"});
        addText("1", "Режим", "ivan", "13");
        addText("2", "Работа", "petr", "13");
        addText("3", "Ответ", "ivan", "5");
        addText("4", "Пусто", "petr", "0");
        m_sets.save(m_folder.path() / "SetBase.xml");
        m_texts.save(m_folder.path() / "TextBase.xml");
        m_setsDocument.load(m_port);
        m_textsDocument.load(m_port);
        m_originalSets = m_sets.elements();
        m_originalTexts = m_texts.elements();
        m_page.fill("", false);
    }

    void addSet(const char* number, const char* author, std::vector<const char*> items) {
        bases::SetBaseElement set;
        set.id = number;
        set.author = author;
        for (const char* item : items) set.items.push_back(bases::SetTextItem::unpack(w(item)));
        set.rebuildJoinedText();
        m_sets.elements().push_back(set);
    }
    void addText(const char* number, const char* russian, const char* author, const char* set) {
        m_texts.elements().push_back({number, number, "", set, w(russian), "", author});
    }

    std::vector<std::string> listed() const {
        std::vector<std::string> numbers;
        for (int entry = 0; entry < m_page.entryCount(); ++entry) {
            const std::string name = m_page.entryName(entry);
            numbers.push_back(name.substr(0, name.find(':')));
        }
        return numbers;
    }
    // Selects an enumeration, showing other users' ones too.
    void choose(std::string_view number) { ASSERT_TRUE(m_page.showEnumeration(number)); }
    const bases::SetBaseElement& set(std::string_view number) const { return *m_sets.findSet(number); }
    void undoAll() {
        while (m_setsDocument.canUndo()) m_setsDocument.undo();
        while (m_textsDocument.canUndo()) m_textsDocument.undo();
    }

    test::TempFolder m_folder;
    app::Translator m_translator;
    bases::SetBase m_sets;
    bases::TextBase m_texts;
    std::vector<bases::SetBaseElement> m_originalSets;
    std::vector<bases::TextBaseElement> m_originalTexts;
    SetBaseDocument m_setsDocument{m_sets, m_folder.path() / "SetBase.xml", m_translator};
    TextBaseDocument m_textsDocument{m_texts, m_folder.path() / "TextBase.xml", m_translator};
    test::ScriptedMessagePort m_port;
    EnumerationsPage m_page{m_setsDocument, m_textsDocument, "ivan", app::Language::Russian, m_translator, m_port};
};

// Every header is Windows-1251 text, its number sign included, as the grids expect.
TEST_F(EnumerationsPageTest, HeadersAreWindows1251Text) {
    EXPECT_EQ(m_page.itemHeaders(), (ItemRow{w("№"), w("Длинный русский"), w("Длинный английский"),
                                             w("Короткий русский"), w("Короткий английский")}));
    EXPECT_EQ(m_page.boundTextHeaders(),
              (std::array<std::string, kBoundTextColumns>{w("№"), w("Длинный русский"), w("Длинный английский"),
                                                          w("Короткий"), w("Автор")}));
}
TEST_F(EnumerationsPageTest, FilterAndShowOthersChooseTheEntries) {
    struct Row {
        const char* name;
        const char* filter;
        bool showOthers;
        std::vector<std::string> listed;
    } rows[] = {
        {"own enumerations only", "", false, {"5", "6", "7", "11", "13"}},
        {"others too, but never their empty ones", "", true, {"5", "6", "7", "10", "11", "13"}},
        {"author matched lower-cased, filter trimmed", "  PETR ", true, {"10"}},
        {"another user's enumeration needs show-others", "petr", false, {}},
        {"number as typed", "1", true, {"10", "11", "13"}},
        {"Cyrillic item text lowered", "ВКЛ", false, {"13"}},
        {"English and short item texts count", "rw", true, {"10"}},
        {"nothing matches", "zzz", true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_page.fill(w(row.filter), row.showOthers);
        EXPECT_EQ(listed(), row.listed);
    }
    m_page.fill("", false);
    EXPECT_EQ(m_page.entryName(4), w("13: Выкл/Вкл"));
}

TEST_F(EnumerationsPageTest, SelectionIsKeptOrElseTheFirstEntry) {
    EXPECT_EQ(m_page.selectedEntry(), 0);
    m_page.select(4);
    EXPECT_EQ(m_page.selected()->id, "13");
    m_page.fill(w("вкл"), false);
    EXPECT_EQ(m_page.selectedEntry(), 0);
    EXPECT_EQ(m_page.selected()->id, "13");
    m_page.fill("", true);
    EXPECT_EQ(m_page.selectedEntry(), 5);
    m_page.fill("zzz", true);
    EXPECT_EQ(m_page.selected(), nullptr);
    EXPECT_EQ(m_page.selectedEntry(), -1);
    EXPECT_EQ(m_page.itemCount(), 0);
    EXPECT_EQ(m_page.sizeText(), "");
    EXPECT_EQ(m_page.authorLine(), "");
    EXPECT_FALSE(m_page.enterSize("3"));
    m_page.fill("", false);
    EXPECT_EQ(m_page.selected()->id, "5");
}

TEST_F(EnumerationsPageTest, ShowingAnEnumerationWidensTheListWhenItIsHidden) {
    m_page.fill("zzz", false);
    choose("10");
    EXPECT_EQ(m_page.filter(), "");
    EXPECT_TRUE(m_page.showsOthers());
    EXPECT_EQ(m_page.selected()->id, "10");
    EXPECT_EQ(m_page.authorLine(), w("Автор: petr"));
    // Another user's empty enumeration and a missing number are not listed even then.
    EXPECT_FALSE(m_page.showEnumeration("12"));
    EXPECT_FALSE(m_page.showEnumeration("99"));
    EXPECT_EQ(m_page.selected()->id, "10");
}

TEST_F(EnumerationsPageTest, OnlyOwnEnumerationsAreChanged) {
    choose("13");
    EXPECT_TRUE(m_page.isOwn());
    for (int column = 0; column < kItemColumns; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(m_page.canEdit(1, column), column != kItemPosition);
    }
    EXPECT_FALSE(m_page.canEdit(2, kItemLongRussian));
    choose("10");
    EXPECT_FALSE(m_page.isOwn());
    EXPECT_FALSE(m_page.canEdit(0, kItemLongRussian));
    EXPECT_FALSE(m_page.setCell(0, kItemLongRussian, "x"));
    EXPECT_FALSE(m_page.enterSize("5"));
    EXPECT_FALSE(m_page.stepSize("2", 1));
    EXPECT_FALSE(m_page.changeAuthor("ivan"));
    EXPECT_EQ(m_sets.elements(), m_originalSets);
    EXPECT_FALSE(m_setsDocument.isModified());
    EXPECT_EQ(m_port.asked().size(), 0u);
}

TEST_F(EnumerationsPageTest, ItemCellsLoseEverySeparatorAndRefuseQuotes) {
    choose("13");
    EXPECT_EQ(m_page.itemCell(1, kItemPosition), "1");
    EXPECT_EQ(m_page.itemCell(1, kItemShortEnglish), "On");
    struct Row {
        const char* name;
        int column;
        const char* typed;
        bases::SetTextItem item;
    } rows[] = {
        {"one @ typed", kItemLongRussian, "Вк@л", {w("Вкл"), "On", w("Вкл"), "On"}},
        // An "@" left in a cell would move the texts after it into the next columns.
        {"several @ pasted stay in their column", kItemLongEnglish, "O@ff@@", {w("Вкл"), "Off", w("Вкл"), "On"}},
        {"short English emptied", kItemShortEnglish, "@", {w("Вкл"), "Off", w("Вкл"), ""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_page.setCell(1, row.column, w(row.typed));
        EXPECT_EQ(set("13").items[1], row.item);
        EXPECT_EQ(set("13").items[0], m_originalSets[6].items[0]);
    }
    EXPECT_EQ(set("13").joinedText, w("Выкл\nВкл@Off@Вкл@"));

    const std::vector<bases::SetBaseElement> before = m_sets.elements();
    EXPECT_FALSE(m_page.setCell(0, kItemLongEnglish, "it's"));
    ASSERT_EQ(m_port.asked().size(), 1u);
    EXPECT_EQ(m_port.asked()[0],
              (app::Message{w("Ошибка"),
                            w("Символ ' (одинарная кавычка) является недопустимым.\r\nМожно заменить его на символ ` "
                              "(на клавише Ё)."),
                            app::MessageButtons::Ok, app::MessageIcon::Warning}));
    EXPECT_EQ(m_sets.elements(), before);
    EXPECT_FALSE(m_page.setCell(0, kItemLongRussian, w("Выкл")));  // no change, no command
}

TEST_F(EnumerationsPageTest, SizeChangeKeepsTheLimitsOfPrefixesAndUnits) {
    struct Row {
        const char* name;
        const char* number;
        std::function<bool(EnumerationsPage&)> change;
        int items;
        const char* warning;  // empty: no message
    } rows[] = {
        {"prefixes: 12 typed gives 8 and the warning", "6", [](EnumerationsPage& page) { return page.enterSize("12"); },
         8, "Перечисление префиксов (№6) не может быть длиннее 8 элементов."},
        {"prefixes: 8 typed passes untold", "6", [](EnumerationsPage& page) { return page.enterSize("8"); }, 8, ""},
        {"units: 70 typed gives 64 and the warning", "7", [](EnumerationsPage& page) { return page.enterSize("70"); },
         64, "Перечисление размерностей (№7) не может быть длиннее 64 элементов."},
        {"units: up at 64 stays 64 untold", "7",
         [](EnumerationsPage& page) { return page.enterSize("64") && !page.stepSize("64", 1); }, 64, ""},
        {"prefixes: up at 8 is kept at 8 untold", "6", [](EnumerationsPage& page) { return page.stepSize("8", 1); }, 8,
         ""},
        {"more items, new ones empty", "13", [](EnumerationsPage& page) { return page.enterSize("4"); }, 4, ""},
        {"fewer items, the last dropped", "13", [](EnumerationsPage& page) { return page.enterSize("1"); }, 1, ""},
        {"up", "13", [](EnumerationsPage& page) { return page.stepSize("2", 1); }, 3, ""},
        {"down", "13", [](EnumerationsPage& page) { return page.stepSize("2", -1); }, 1, ""},
        {"down from a field that is no number counts from 1", "13",
         [](EnumerationsPage& page) { return page.stepSize("x", -1); }, 0, ""},
        {"down stops at no item", "11",
         [](EnumerationsPage& page) { return page.stepSize("1", -1) && !page.stepSize("0", -1); }, 0, ""},
        {"a typed text that is no size changes nothing", "13",
         [](EnumerationsPage& page) { return !page.enterSize("3a") && !page.enterSize("") && !page.enterSize("1000"); },
         2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::ScriptedMessagePort port;
        EnumerationsPage page(m_setsDocument, m_textsDocument, "ivan", app::Language::Russian, m_translator, port);
        ASSERT_TRUE(page.showEnumeration(row.number));
        EXPECT_TRUE(row.change(page));
        EXPECT_EQ(set(row.number).items.size(), static_cast<std::size_t>(row.items));
        EXPECT_EQ(page.sizeText(), std::to_string(row.items));
        for (std::size_t item = 0; item < set(row.number).items.size(); ++item) {
            const auto& original = m_originalSets[static_cast<std::size_t>(m_sets.find(row.number))].items;
            EXPECT_EQ(set(row.number).items[item], item < original.size() ? original[item] : bases::SetTextItem{});
        }
        if (*row.warning) {
            ASSERT_EQ(port.asked().size(), 1u);
            EXPECT_EQ(port.asked()[0], (app::Message{w("Внимание"), w(row.warning), app::MessageButtons::Ok,
                                                     app::MessageIcon::Warning}));
        } else {
            EXPECT_EQ(port.asked().size(), 0u);
        }
        undoAll();
        EXPECT_EQ(m_sets.elements(), m_originalSets);
        EXPECT_FALSE(m_setsDocument.isModified());
    }
}

TEST_F(EnumerationsPageTest, EveryEditIsUndoneAndRedoneExactly) {
    struct Row {
        const char* name;
        const char* number;
        std::function<bool(EnumerationsPage&)> edit;
        const char* menuText;
    } rows[] = {
        {"item text", "13", [](EnumerationsPage& page) { return page.setCell(0, kItemShortRussian, w("Вык")); },
         "правка перечисления №13"},
        {"size", "5", [](EnumerationsPage& page) { return page.enterSize("3"); }, "изменение размера перечисления №5"},
        {"author", "13", [](EnumerationsPage& page) { return page.changeAuthor("petr"); },
         "смена автора перечисления №13"},
        {"added enumeration", "5", [](EnumerationsPage& page) { return page.add(); }, "добавление перечисления №14"},
        {"copy", "10",
         [](EnumerationsPage& page) {
             std::optional<EnumerationCopy> copy = page.startCopy();
             copy->choose(3);
             return copy->paste() == PasteResult::Pasted;
         },
         "копирование перечисления №10 в №11"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        choose(row.number);
        ASSERT_TRUE(row.edit(m_page));
        const std::vector<bases::SetBaseElement> edited = m_sets.elements();
        EXPECT_NE(edited, m_originalSets);
        EXPECT_TRUE(m_setsDocument.isModified());
        EXPECT_EQ(m_setsDocument.undoText(), w(row.menuText));
        m_setsDocument.undo();
        EXPECT_EQ(m_sets.elements(), m_originalSets);
        EXPECT_FALSE(m_setsDocument.isModified());
        m_setsDocument.redo();
        EXPECT_EQ(m_sets.elements(), edited);
        m_setsDocument.undo();
        m_page.refill();
    }
    EXPECT_EQ(m_texts.elements(), m_originalTexts);
}

TEST_F(EnumerationsPageTest, AddedEnumerationIsSelectedEvenUnderAFilter) {
    m_page.fill("zzz", false);
    ASSERT_TRUE(m_page.add());
    const bases::SetBaseElement& added = m_sets.elements().back();
    EXPECT_EQ(added.id, "14");
    EXPECT_EQ(added.author, "ivan");
    EXPECT_EQ(added.items, std::vector<bases::SetTextItem>(2));
    EXPECT_EQ(m_page.selected(), &added);
    EXPECT_EQ(m_page.filter(), "");
    m_setsDocument.undo();
    EXPECT_EQ(m_page.selected(), nullptr);  // gone with the undo until the list is filled again
    m_page.refill();
    EXPECT_EQ(m_page.selected()->id, "5");
}

TEST_F(EnumerationsPageTest, CopyOffersOwnTargetsAndAsksBeforeReplacingTexts) {
    choose("10");
    std::optional<EnumerationCopy> copy = m_page.startCopy();
    ASSERT_TRUE(copy);
    std::vector<std::string> expected;
    for (const char* name : {"5: Нет/Да", "6: /~m/м/к/М", "7: ", "11: ", "13: Выкл/Вкл"}) expected.push_back(w(name));
    std::vector<std::string> names = copy->targetNames();
    names[2] = names[2].substr(0, 3);
    EXPECT_EQ(names, expected);
    EXPECT_EQ(copy->paste(), PasteResult::NoTarget);

    // Onto a non-empty enumeration: asked, and No keeps the dialog and the base.
    copy->choose(4);
    EXPECT_EQ(copy->prepared()->id, "13");
    EXPECT_EQ(copy->prepared()->author, "ivan");
    EXPECT_EQ(copy->prepared()->items, set("10").items);
    m_port = test::ScriptedMessagePort({app::MessageAnswer::No});
    EXPECT_EQ(copy->paste(), PasteResult::Declined);
    ASSERT_EQ(m_port.asked().size(), 1u);
    EXPECT_EQ(m_port.asked()[0],
              (app::Message{w("Внимание"),
                            w("Перечисление, в которое Вы хотите вставить копию - непустое. Заменить существующее "
                              "перечисление?"),
                            app::MessageButtons::YesNo, app::MessageIcon::Question}));
    EXPECT_EQ(m_sets.elements(), m_originalSets);
    EXPECT_FALSE(m_setsDocument.isModified());

    // Onto the empty one: nothing asked.
    copy->choose(3);
    EXPECT_EQ(copy->paste(), PasteResult::Pasted);
    EXPECT_EQ(m_port.asked().size(), 1u);
    bases::SetBaseElement pasted = m_originalSets[3];
    pasted.id = "11";
    pasted.author = "ivan";
    EXPECT_EQ(set("11"), pasted);
    m_page.copied(*copy);
    EXPECT_EQ(m_page.selected()->id, "11");
    EXPECT_TRUE(m_page.isOwn());
    EXPECT_EQ(set("10"), m_originalSets[3]);

    // The yes answer replaces the non-empty target.
    m_port = test::ScriptedMessagePort({app::MessageAnswer::Yes});
    copy->choose(0);
    EXPECT_EQ(copy->paste(), PasteResult::Pasted);
    EXPECT_EQ(set("5").items, m_originalSets[3].items);
}

TEST_F(EnumerationsPageTest, ACancelledCopyChangesNothing) {
    choose("13");
    {
        std::optional<EnumerationCopy> copy = m_page.startCopy();
        copy->choose(0);
    }
    EXPECT_EQ(m_sets.elements(), m_originalSets);
    EXPECT_FALSE(m_setsDocument.isModified());
}

TEST_F(EnumerationsPageTest, AuthorChangeOffersTheTextAuthorsAndNamesTheEnumeration) {
    choose("13");
    const std::optional<AuthorChange> change = m_page.authorChange();
    ASSERT_TRUE(change);
    EXPECT_EQ(change->names(), (std::vector<std::string>{"ivan", "petr"}));
    EXPECT_EQ(change->hint(), w("Вы собираетесь сменить автора для перечисления \"Выкл/...\" под номером 13."));
    EXPECT_EQ(change->author(), "ivan");
    EXPECT_TRUE(m_page.changeAuthor("petr"));
    EXPECT_EQ(set("13").author, "petr");
    EXPECT_FALSE(m_page.isOwn());
    EXPECT_EQ(m_page.authorLine(), w("Автор: petr"));
    EXPECT_FALSE(m_page.authorChange());  // no longer the user's
}

TEST_F(EnumerationsPageTest, BoundTextsAreListedAndUnbound) {
    choose("13");
    ASSERT_EQ(m_page.boundTextCount(), 2);
    EXPECT_EQ(m_page.boundTextCell(0, kBoundTextNumber), "1");
    EXPECT_EQ(m_page.boundTextCell(1, kBoundTextLongRussian), w("Работа"));
    EXPECT_EQ(m_page.boundTextCell(1, kBoundTextAuthor), "petr");
    EXPECT_EQ(m_page.boundTextsLabel(), w("Привязанные тексты"));

    // Another user's text is unbound as well: one command on the text base.
    ASSERT_TRUE(m_page.unbind(1));
    EXPECT_EQ(m_texts.elements()[1].sets, "0");
    EXPECT_TRUE(m_textsDocument.isModified());
    EXPECT_FALSE(m_setsDocument.isModified());
    EXPECT_EQ(m_textsDocument.undoText(), w("отвязка текста №2 от перечисления"));
    ASSERT_EQ(m_page.boundTextCount(), 1);
    ASSERT_TRUE(m_page.unbind(0));
    EXPECT_EQ(m_page.boundTextCount(), 0);
    EXPECT_EQ(m_page.boundTextsLabel(), w("Привязанные тексты отсутствуют"));
    EXPECT_FALSE(m_page.unbind(0));

    undoAll();
    EXPECT_EQ(m_texts.elements(), m_originalTexts);
    EXPECT_FALSE(m_textsDocument.isModified());
    m_page.listBoundTexts();
    EXPECT_EQ(m_page.boundTextCount(), 2);
    choose("6");
    EXPECT_EQ(m_page.boundTextCount(), 0);
}

TEST_F(EnumerationsPageTest, LeavingAModifiedBaseAsks) {
    const std::string file = test::readFile(m_setsDocument.file());
    struct Row {
        const char* name;
        app::MessageAnswer answer;
        bool leaves;
        bool modified;
        bool saved;
    } rows[] = {
        {"Yes saves", app::MessageAnswer::Yes, true, false, true},
        {"No reloads the file", app::MessageAnswer::No, true, false, false},
        {"Cancel stays", app::MessageAnswer::Cancel, false, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::writeFile(m_setsDocument.file(), file);
        m_setsDocument.load(m_port);
        test::ScriptedMessagePort port({row.answer});
        EnumerationsPage page(m_setsDocument, m_textsDocument, "ivan", app::Language::Russian, m_translator, port);
        ASSERT_TRUE(page.showEnumeration("13"));
        ASSERT_TRUE(page.setCell(0, kItemLongEnglish, "Off"));
        EXPECT_EQ(page.leave(), row.leaves);
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(port.asked()[0],
                  (app::Message{w("Сохранение баз"), w("База перечислений была изменена.\nСохранить изменения?"),
                                app::MessageButtons::YesNoCancel, app::MessageIcon::Question}));
        EXPECT_EQ(m_setsDocument.isModified(), row.modified);
        EXPECT_EQ(set("13").items[0].longEng, row.saved || row.modified ? "Off" : "");
        EXPECT_EQ(test::readFile(m_setsDocument.file()) != file, row.saved);
        EXPECT_EQ(page.selected()->id, "13");  // kept through the reload
        if (row.leaves) {
            EXPECT_TRUE(page.leave());  // nothing modified: nothing asked
            EXPECT_EQ(port.asked().size(), 1u);
        }
    }
}

TEST_F(EnumerationsPageTest, UntouchedBaseIsSavedByteForByte) {
    const std::string file = test::readFile(m_setsDocument.file());
    choose("13");
    ASSERT_TRUE(m_page.setCell(0, kItemLongRussian, "x"));
    m_setsDocument.undo();
    ASSERT_TRUE(m_page.save());
    EXPECT_EQ(test::readFile(m_setsDocument.file()), file);
}

TEST_F(EnumerationsPageTest, ColumnWidthsForBothLanguages) {
    struct Row {
        const char* name;
        int width;
        app::Language language;
        std::array<int, kItemColumns> widths;
    } rows[] = {
        {"Russian", 600, app::Language::Russian, {24, 181, 181, 90, 90}},
        {"Russian, short columns at their most", 1200, app::Language::Russian, {24, 442, 442, 130, 130}},
        {"English", 400, app::Language::English, {24, 0, 229, 0, 114}},
        {"English, short column at its most", 1200, app::Language::English, {24, 0, 1014, 0, 130}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(EnumerationsPage::columnWidths(row.width, row.language), row.widths);
    }
}

}  // namespace
}  // namespace tabrin::editing
