// The texts and enumerations a panel file takes from profile files and the bases, and the
// failures that stop a generation while they are gathered.
#include <gtest/gtest.h>

#include "app/cp1251.h"
#include "panel/workingsets.h"
#include "panelhome.h"

namespace tabrin {
namespace {

using test::w;

class WorkingSets : public ::testing::Test {
protected:
    // Enumerations stand out of number order; 9, 10 and 300 are missing from the base, and 0 (no
    // enumeration) is one that no text can be bound to.
    test::PanelHome m_home{{{"1", "Пуск", "5", "Пуск двигателя", "Motor start"},
                            {"2", "Стоп"},
                            {"3", "Реверс", "12"},
                            {"4", "Частота"},
                            {"7", "Режим", "300"},
                            {"8", "Ноль", "0"}},
                           {{"12", {"Выкл", "Вкл@On@Вкл@On"}},
                            {"5", {"Нет@No@@", "Да@Yes@@"}},
                            {"20", {"Общие"}},
                            {"56", {}},
                            {"6", {"", "~m"}},
                            {"99", {"Лишнее"}},
                            {"7", {"В@V@@"}},
                            {"13", {"Скал."}},
                            {"0", {"Не перечисление"}}}};

    std::optional<panel::PanelWorkingSets> build(const std::vector<std::string>& profiles, bool withFixedSets = true,
                                                 panel::PanelTextChoice choice = {}) {
        return panel::buildWorkingSets(profiles, choice, withFixedSets, m_home.textBaseFile(), m_home.sets(),
                                       app::Language::Russian, m_home.port(), m_home.translator(), {});
    }

    static std::vector<int> textNumbers(const panel::PanelWorkingSets& working) {
        std::vector<int> numbers;
        for (const panel::PanelText& text : working.texts) numbers.push_back(text.number);
        return numbers;
    }
    static std::vector<int> setNumbers(const panel::PanelWorkingSets& working) {
        std::vector<int> numbers;
        for (const panel::PanelEnumeration& enumeration : working.enumerations) numbers.push_back(enumeration.number);
        return numbers;
    }
    std::string lastMessage() {
        return m_home.port().asked().empty() ? std::string() : cp1251::toUtf8(m_home.port().asked().back().text);
    }
};

TEST_F(WorkingSets, ProfilesSharingTextsGiveEachTextOnceInNumberOrder) {
    const auto working =
        build({m_home.profile("a.xml", {"3", "1", "2"}), m_home.profile("b.xml", {"2", "3", "4", "3"})});
    ASSERT_TRUE(working);
    EXPECT_EQ(textNumbers(*working), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(m_home.port().asked().empty());
    EXPECT_EQ(working->texts[0].text, w("Пуск"));
    EXPECT_EQ(working->texts[0].setNumber, 5);
    EXPECT_FALSE(working->texts[1].isBound());
}

TEST_F(WorkingSets, EnumerationsInBaseOrder) {
    const struct {
        const char* name;
        bool withFixedSets;
        std::vector<std::string> groupSets;
        std::vector<int> numbers;
    } cases[] = {
        // Bound 5 and 12; always 5, 6, 7, 9, 10, 13, 56; the groups 20 and 0 (none); 9 and 10 are not in the base.
        {"C and type А take the fixed and group enumerations", true, {"20", "0"}, {12, 5, 20, 56, 6, 7, 13}},
        {"type Ш takes only bound ones", false, {"20", "0"}, {12, 5}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> profiles;
        for (std::size_t i = 0; i < row.groupSets.size(); ++i) {
            profiles.push_back(m_home.profile("p" + std::to_string(i) + ".xml", {"1", "3", "8"}, row.groupSets[i]));
        }
        const auto working = build(profiles, row.withFixedSets);
        ASSERT_TRUE(working);
        EXPECT_EQ(setNumbers(*working), row.numbers);
    }
}

TEST_F(WorkingSets, BoundEnumerationMissingFromTheBaseIsLeftOut) {
    const auto working = build({m_home.profile("a.xml", {"7"})}, false);
    ASSERT_TRUE(working);
    EXPECT_EQ(working->texts.front().setNumber, 300);
    EXPECT_TRUE(working->enumerations.empty());
    EXPECT_EQ(working->enumeration(300), nullptr);
}

TEST_F(WorkingSets, TextsAndItemTextsOfTheChosenKinds) {
    const struct {
        const char* name;
        panel::PanelTextChoice choice;
        const char* text;  // of text 1
        std::vector<std::string> items12;
    } cases[] = {
        {"short texts, short Russian items, another text used", {2, 3, true}, "Пуск", {"Выкл", "Вкл"}},
        {"without another text an item may stay empty", {2, 3, false}, "Пуск", {"", "Вкл"}},
        {"long Russian", {0, 0, true}, "Пуск двигателя", {"Выкл", "Вкл"}},
        {"long English, another text by language", {1, 1, true}, "Motor start", {"Выкл", "On"}},
        {"short English without another text", {2, 4, false}, "Пуск", {"", "On"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const auto working = build({m_home.profile("a.xml", {"1", "3"})}, false, row.choice);
        ASSERT_TRUE(working);
        EXPECT_EQ(working->texts.front().text, w(row.text));
        std::vector<std::string> expected;
        for (const std::string& item : row.items12) expected.push_back(w(item));
        ASSERT_NE(working->enumeration(12), nullptr);
        EXPECT_EQ(working->enumeration(12)->itemTexts, expected);
    }
}

TEST_F(WorkingSets, EmptyItemsKeepTheirPlacesAndNoItemsGiveNoTexts) {
    const auto working = build({m_home.profile("a.xml", {"1"}, "0")});
    ASSERT_TRUE(working);
    EXPECT_EQ(working->enumeration(6)->itemTexts, (std::vector<std::string>{"", "~m"}));
    EXPECT_TRUE(working->enumeration(56)->itemTexts.empty());
}

TEST_F(WorkingSets, TextMissingFromTheBaseFileStops) {
    const auto working = build({m_home.profile("a.xml", {"1", "11", "10"})});
    EXPECT_FALSE(working);
    ASSERT_EQ(m_home.port().asked().size(), 1u);
    const app::Message& message = m_home.port().asked().front();
    EXPECT_EQ(message.caption, w("Ошибка"));
    EXPECT_EQ(message.icon, app::MessageIcon::Warning);
    EXPECT_EQ(message.text, w("В базе текстов отсутствует текст №10, используемый в профиле.\n"
                              "Синхронизируйте базы с сервером и попробуйте еще раз."));
}

TEST_F(WorkingSets, OnlyTheSavedTextBaseCounts) {
    std::filesystem::remove(m_home.textBaseFile());
    EXPECT_FALSE(build({m_home.profile("a.xml", {"1"})}));
    EXPECT_NE(lastMessage().find("№1,"), std::string::npos);
}

TEST_F(WorkingSets, NumbersThatDoNotReadStopWithTheirPlace) {
    test::PanelHome badSets{{{"1", "Пуск", "abc"}}, {}};
    const struct {
        const char* name;
        test::PanelHome& home;
        std::string profile;
        bool withFixedSets;
        std::vector<std::string> named;  // parts of the message
    } cases[] = {
        {"text number",
         m_home,
         m_home.profile("a1.xml", {"1", "x1"}),
         true,
         {"'x1' is not a valid integer value", "textID", "obj_2001h.00h", "a1.xml"}},
        {"empty text number", m_home, m_home.profile("a2.xml", {""}), false, {"''", "textID"}},
        {"negative text number",
         m_home,
         m_home.profile("a3.xml", {"-3"}),
         false,
         {"'-3' is out of the range 0..32767"}},
        {"group enumeration",
         m_home,
         m_home.profile("b.xml", {"1"}, "groups"),
         true,
         {"'groups'", "group_set", "b.xml"}},
        {"missing group enumeration",
         m_home,
         m_home.profile("c.xml", {"1"}, std::nullopt),
         true,
         {"group_set", "c.xml"}},
        {"bound enumeration of a text",
         badSets,
         badSets.profile("d.xml", {"1"}),
         false,
         {"'abc'", "sets", "text_1", "TextBase.xml"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const std::size_t before = row.home.port().asked().size();
        const auto working =
            panel::buildWorkingSets({row.profile}, {}, row.withFixedSets, row.home.textBaseFile(), row.home.sets(),
                                    app::Language::Russian, row.home.port(), row.home.translator(), {});
        EXPECT_FALSE(working);
        ASSERT_EQ(row.home.port().asked().size(), before + 1);
        const std::string message = row.home.port().asked().back().text;
        for (const std::string& part : row.named) EXPECT_NE(message.find(part), std::string::npos) << message;
    }
}

TEST_F(WorkingSets, MissingGroupEnumerationDoesNotMatterForTypeSh) {
    EXPECT_TRUE(build({m_home.profile("a.xml", {"1"}, std::nullopt)}, false));
    EXPECT_TRUE(m_home.port().asked().empty());
}

TEST_F(WorkingSets, UnparsableProfileIsReportedAndContributesNothing) {
    const std::string broken = (m_home.folder() / "broken.xml").string();
    test::writeFile(broken, "<root><Indexes><obj_2000h.00h><text textID=\"11\"/></obj_2000h.00h></Indexes>");
    const std::string good = m_home.profile("good.xml", {"2"});

    const auto withoutGroups = build({broken, good}, false);
    ASSERT_TRUE(withoutGroups);
    EXPECT_EQ(textNumbers(*withoutGroups), std::vector<int>{2});
    ASSERT_EQ(m_home.port().asked().size(), 1u);
    EXPECT_NE(lastMessage().find("XML Parsing error inside file '" + broken + "'"), std::string::npos);

    EXPECT_FALSE(build({broken, good}, true));
    EXPECT_NE(lastMessage().find("group_set"), std::string::npos);
}

}  // namespace
}  // namespace tabrin
