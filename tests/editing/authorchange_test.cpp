// The author change as data: the hint for a text and for an enumeration, the names offered once
// each, a name chosen or typed, and no confirmation without a name.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbaseelement.h"
#include "editing/authorchange.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

TEST(AuthorChangeTest, HintNamesTheTextOrTheEnumeration) {
    app::Translator translator;
    EXPECT_EQ(AuthorChange::textHint(translator, "12", w("Ток")),
              w("Вы собираетесь сменить автора для текста \"Ток\" под номером 12."));
    bases::SetBaseElement set;
    set.id = "7";
    set.items = {bases::SetTextItem::make(w("Выкл"), "Off", "", ""), bases::SetTextItem::make(w("Вкл"), "On", "", "")};
    struct Row {
        const char* name;
        app::Language language;
        const char* hint;
    } rows[] = {
        {"Russian: the first item's Russian text", app::Language::Russian,
         "Вы собираетесь сменить автора для перечисления \"Выкл/...\" под номером 7."},
        {"English: its English text", app::Language::English,
         "Вы собираетесь сменить автора для перечисления \"Off/...\" под номером 7."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(AuthorChange::enumerationHint(translator, set, row.language), w(row.hint));
    }
    set.items.clear();
    EXPECT_EQ(AuthorChange::enumerationHint(translator, set, app::Language::Russian),
              w("Вы собираетесь сменить автора для перечисления \"/...\" под номером 7."));
}

TEST(AuthorChangeTest, NamesAreOfferedOnceAndFillTheField) {
    AuthorChange change({"ivan", "", "petr", "ivan", "ABC"}, "hint", "petr");
    EXPECT_EQ(change.names(), (std::vector<std::string>{"ivan", "petr", "ABC"}));
    EXPECT_EQ(change.author(), "petr");
    EXPECT_EQ(change.chosenRow(), 1);
    change.choose(2);
    EXPECT_EQ(change.author(), "ABC");
    change.choose(3);  // no such row: the field stays
    EXPECT_EQ(change.author(), "ABC");
    change.setAuthor(" new ");
    EXPECT_EQ(change.author(), " new ");  // taken as it stands
    EXPECT_EQ(change.chosenRow(), -1);
    EXPECT_TRUE(change.canConfirm());
}

TEST(AuthorChangeTest, OnlyANameWithAVisibleCharacterCanBeConfirmed) {
    const struct {
        const char* name;
        std::string author;
        bool confirms;
    } rows[] = {
        {"empty", "", false},
        {"spaces", "   ", false},
        {"tab and line breaks", "\t\r\n", false},
        {"no-break space", "\xA0 \xA0", false},
        {"letter among blanks", " \xA0x ", true},
        {"Cyrillic letter", "\xC8", true},
        {"dot", ".", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        AuthorChange change({}, "hint", row.author);
        EXPECT_EQ(change.canConfirm(), row.confirms);
    }
}

}  // namespace
}  // namespace tabrin::editing
