// The text picker's list: the filter with and without case, own texts only, each sort key with its
// order, the current text and who may edit a text.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/textpicker.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

class TextPickerTest : public ::testing::Test {
protected:
    TextPickerTest() {
        add("2", "Пуск", "Start", "b", "ivan", "0");
        add("10", "Стоп", "Stop", "B", "petr", "13");
        add("1", "Ток 12", "Current", "a", "ivan", "0");
        add("7", "пуск", "start", "a", "petr", "0");
        bases::SetBaseElement set;
        set.id = "13";
        set.items.push_back(bases::SetTextItem::make(w("Выкл"), "Off", "", ""));
        set.items.push_back(bases::SetTextItem::make(w("Вкл"), "On", "", ""));
        m_sets.elements().push_back(set);
    }

    void add(const char* number, const char* russian, const char* english, const char* shortText, const char* author,
             const char* set) {
        bases::TextBaseElement text;
        text.id = number;
        text.textid = number;
        text.trus = w(russian);
        text.teng = english;
        text.text = shortText;
        text.author = author;
        text.sets = set;
        m_texts.elements().push_back(text);
    }

    TextPicker picker(int current = 10, app::Language language = app::Language::Russian) {
        return TextPicker(m_texts, m_sets, "ivan", language, m_translator, current);
    }

    static std::vector<std::string> numbers(const TextPicker& listed) {
        std::vector<std::string> shown;
        for (const TextPickerRow& row : listed.rows()) shown.push_back(row.cells[0]);
        return shown;
    }

    app::Translator m_translator;
    bases::TextBase m_texts;
    bases::SetBase m_sets;
};

TEST_F(TextPickerTest, ListsEveryTextWithItsBoundEnumeration) {
    const TextPicker listed = picker();
    EXPECT_EQ(listed.caption(), w("Выберите текст для объекта (текущий текст - номер 10)"));
    EXPECT_EQ(numbers(listed), (std::vector<std::string>{"2", "10", "1", "7"}));
    EXPECT_EQ(listed.rows()[1].cells[4], w("13: Выкл/Вкл"));
    EXPECT_EQ(listed.rows()[0].cells[4], "");
    EXPECT_EQ(listed.currentRow(), 1);
    EXPECT_EQ(listed.text(1)->trus, w("Стоп"));
}

TEST_F(TextPickerTest, FiltersTextsAndAuthorsButNotNumbers) {
    struct Row {
        const char* name;
        const char* filter;
        bool ignoreCase;
        bool ownOnly;
        std::vector<std::string> listed;
    };
    const Row rows[] = {
        {"ignoring case", "пуск", true, false, {"2", "7"}},
        {"matching case", "Пуск", false, false, {"2"}},
        {"English text", "STOP", true, false, {"10"}},
        {"short text", "B", false, false, {"10"}},
        {"author", "petr", false, false, {"10", "7"}},
        {"a number only through a text", "12", false, false, {"1"}},
        {"own only", "", false, true, {"2", "1"}},
        {"own only and filter", "пуск", true, true, {"2"}},
        {"nothing found keeps an empty row", "xyz", true, false, {""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TextPicker listed = picker();
        listed.fill(w(row.filter), row.ignoreCase, row.ownOnly);
        EXPECT_EQ(numbers(listed), row.listed);
    }
    TextPicker empty = picker();
    empty.fill("xyz", false, false);
    EXPECT_EQ(empty.text(0), nullptr);
    EXPECT_FALSE(empty.canEdit(0));
    EXPECT_EQ(empty.currentRow(), std::nullopt);
}

TEST_F(TextPickerTest, SortsStablyByEachKey) {
    struct Row {
        const char* name;
        TextSortKey key;
        app::Language language;
        std::vector<std::string> order;
    };
    const Row rows[] = {
        {"number as integers", TextSortKey::Number, app::Language::Russian, {"1", "2", "7", "10"}},
        // Windows-1251: "П" (CF) before "С" (D1) and "Т" (D2), lower-case "п" (EF) last.
        {"long Russian", TextSortKey::LongText, app::Language::Russian, {"2", "10", "1", "7"}},
        {"long English under English", TextSortKey::LongText, app::Language::English, {"1", "2", "10", "7"}},
        {"short text, bytes, ties kept", TextSortKey::ShortText, app::Language::Russian, {"10", "1", "7", "2"}},
        {"author, ties kept", TextSortKey::Author, app::Language::Russian, {"2", "1", "10", "7"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TextPicker listed = picker(10, row.language);
        listed.sort(row.key);
        EXPECT_EQ(numbers(listed), row.order);
        EXPECT_EQ(listed.rows()[static_cast<std::size_t>(*listed.currentRow())].cells[0], "10");
    }
}

TEST_F(TextPickerTest, OnlyOwnTextsMayBeEdited) {
    const TextPicker listed = picker();
    EXPECT_TRUE(listed.canEdit(0));
    EXPECT_FALSE(listed.canEdit(1));
    EXPECT_FALSE(listed.canEdit(4));
}

}  // namespace
}  // namespace tabrin::editing
