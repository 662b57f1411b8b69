// The login page: the users known from the text base, the confirmation of a new user name and
// the steps of logging in.
#include "bases/loginpage.h"

#include <algorithm>

#include "app/formattext.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "xml/xmlparser.h"

namespace tabrin::bases {
namespace {

constexpr std::string_view kConfirmNewUser = "Для создания нового пользователя '%s' введите его имя ещё раз";
constexpr std::string_view kEnterUserName = "Введите имя пользователя!";
constexpr std::string_view kBasesMissing =
    "Не удалось открыть локальную базу текстов или перечислений.\nПри открытии профиля могут возникнуть "
    "проблемы.\nСинхронизируйте тексты и перечисления с базой данных, затем снова нажмите \"Войти\".";
constexpr std::string_view kBasesMissingCaption = "XML-базы не найдены";

}  // namespace

std::vector<std::string> readKnownUsers(const std::filesystem::path& textBaseFile) {
    std::vector<std::string> users;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(textBaseFile, ignored)) return users;
    const xml::XMLNode texts = xml::XMLNode::parseFile(textBaseFile, "root").child("Texts");
    for (int i = 0; i < texts.childCount(); ++i) {
        std::string author = texts.child(i).attributeText("author");
        if (std::find(users.begin(), users.end(), author) == users.end()) users.push_back(std::move(author));
    }
    return users;
}

LoginPage::LoginPage(std::vector<std::string> knownUsers) : m_knownUsers(std::move(knownUsers)) {}

int LoginPage::userRow(std::string_view name) const {
    const auto found = std::find(m_knownUsers.begin(), m_knownUsers.end(), name);
    return found == m_knownUsers.end() ? -1 : static_cast<int>(found - m_knownUsers.begin());
}

LoginResult LoginPage::login(std::string_view name, std::string& currentUser, LoginSteps& steps, app::MessagePort& port,
                             app::Translator& translator) {
    const bool newName = !name.empty() && userRow(name) < 0;
    const bool confirmed = name == m_previousAttempt;
    m_previousAttempt = std::string(name);
    if (newName && !confirmed) {
        port.ask({std::string(), app::formatText(translator.tr(kConfirmNewUser), {name}),
                  app::MessageButtons::Ok, app::MessageIcon::Warning});
        return LoginResult::NewNameToConfirm;
    }

    steps.saveModifiedProfile();
    if (name.empty()) {
        port.ask(
            {std::string(), translator.tr(kEnterUserName), app::MessageButtons::Ok, app::MessageIcon::Error});
        return LoginResult::EmptyName;
    }
    currentUser = std::string(name);
    if (!steps.loadBases()) {
        port.ask({translator.tr(kBasesMissingCaption), translator.tr(kBasesMissing),
                  app::MessageButtons::Ok, app::MessageIcon::Warning});
        return LoginResult::BasesMissing;
    }
    return LoginResult::LoggedIn;
}

}  // namespace tabrin::bases
