// The login page: users known from the text base, the new-user confirmation, the empty name and
// the bases that must be found.
#include <gtest/gtest.h>

#include "app/cp1251.h"
#include "app/translator.h"
#include "bases/loginpage.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::bases {
namespace {

using test::w;

TEST(KnownUsers, DistinctAuthorsInOrderOfFirstAppearance) {
    const test::TempFolder program;
    const auto file = program.path() / "TextBase.xml";
    test::writeFile(file,
                    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n<Texts>\n"
                    "<text_1 id=\"1\" author=\"" +
                        w("Петров") +
                        "\"/>\n"
                        "<text_2 id=\"2\" author=\"ivan\"/>\n"
                        "<text_3 id=\"3\" author=\"" +
                        w("Петров") +
                        "\"/>\n"
                        "<text_4 id=\"4\" author=\"Ivan\"/>\n"
                        "</Texts>\n</root>\n");
    EXPECT_EQ(readKnownUsers(file), (std::vector<std::string>{w("Петров"), "ivan", "Ivan"}));
    EXPECT_TRUE(readKnownUsers(program.path() / "missing.xml").empty());
}

// Records the window's steps of a login.
class RecordedSteps : public LoginSteps {
public:
    void saveModifiedProfile() override { steps.push_back("save"); }
    bool loadBases() override {
        steps.push_back("load");
        return basesFound;
    }

    bool basesFound = true;
    std::vector<std::string> steps;
};

TEST(LoginPage, NamesGivenInTurn) {
    struct Attempt {
        std::string name;
        LoginResult result;
        const char* message;  // UTF-8; empty: none
    };
    struct Row {
        const char* name;
        std::vector<Attempt> attempts;
    };
    const std::string confirmIgor = "Для создания нового пользователя 'igor' введите его имя ещё раз";
    const Row rows[] = {
        {"known user", {{"ivan", LoginResult::LoggedIn, ""}}},
        {"new user typed twice",
         {{"igor", LoginResult::NewNameToConfirm, confirmIgor.c_str()}, {"igor", LoginResult::LoggedIn, ""}}},
        {"another new name is asked again",
         {{"igor", LoginResult::NewNameToConfirm, confirmIgor.c_str()},
          {"oleg", LoginResult::NewNameToConfirm, "Для создания нового пользователя 'oleg' введите его имя ещё раз"}}},
        {"letter case makes a new name",
         {{"Ivan", LoginResult::NewNameToConfirm, "Для создания нового пользователя 'Ivan' введите его имя ещё раз"}}},
        {"empty name", {{"", LoginResult::EmptyName, "Введите имя пользователя!"}}},
        {"a new name is not confirmed across an empty one",
         {{"igor", LoginResult::NewNameToConfirm, confirmIgor.c_str()},
          {"", LoginResult::EmptyName, "Введите имя пользователя!"},
          {"igor", LoginResult::NewNameToConfirm, confirmIgor.c_str()}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LoginPage page({w("Петров"), "ivan"});
        app::Translator translator;
        std::string user = "before";
        for (const Attempt& attempt : row.attempts) {
            SCOPED_TRACE(attempt.name);
            test::ScriptedMessagePort port;
            RecordedSteps steps;
            EXPECT_EQ(page.login(attempt.name, user, steps, port, translator), attempt.result);
            if (*attempt.message == '\0') {
                EXPECT_TRUE(port.asked().empty());
            } else {
                ASSERT_EQ(port.asked().size(), 1u);
                EXPECT_EQ(cp1251::toUtf8(port.asked()[0].text), attempt.message);
                EXPECT_EQ(port.asked()[0].caption, "");
            }
            const bool accepted = attempt.result == LoginResult::LoggedIn;
            std::vector<std::string> expectedSteps;
            if (attempt.result != LoginResult::NewNameToConfirm) expectedSteps.push_back("save");
            if (accepted) expectedSteps.push_back("load");
            EXPECT_EQ(steps.steps, expectedSteps);
            EXPECT_EQ(user, accepted ? attempt.name : "before");
        }
    }
}

TEST(LoginPage, MissingBasesAreToldAfterTheNameIsTaken) {
    LoginPage page({"ivan"});
    app::Translator translator;
    test::ScriptedMessagePort port;
    RecordedSteps steps;
    steps.basesFound = false;
    std::string user;

    EXPECT_EQ(page.login("ivan", user, steps, port, translator), LoginResult::BasesMissing);
    EXPECT_EQ(user, "ivan");
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_EQ(cp1251::toUtf8(port.asked()[0].caption), "XML-базы не найдены");
    EXPECT_EQ(port.asked()[0].icon, app::MessageIcon::Warning);
    EXPECT_EQ(cp1251::toUtf8(port.asked()[0].text),
              "Не удалось открыть локальную базу текстов или перечислений.\nПри открытии профиля могут возникнуть "
              "проблемы.\nСинхронизируйте тексты и перечисления с базой данных, затем снова нажмите \"Войти\".");
}

TEST(LoginPage, UserRowOfAName) {
    const LoginPage page({"ivan", w("Петров")});
    EXPECT_EQ(page.userRow(w("Петров")), 1);
    EXPECT_EQ(page.userRow("Ivan"), -1);
}

}  // namespace
}  // namespace tabrin::bases
