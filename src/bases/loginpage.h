// The login page: the users known from the text base, the confirmation of a new user name and
// the steps of logging in.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::bases {

/// The distinct authors of the texts in the text base file, in order of first appearance; empty
/// when the file is missing. Nothing is told about a file that cannot be read.
std::vector<std::string> readKnownUsers(const std::filesystem::path& textBaseFile);

/// What logging in does beyond the page itself; the main window provides it.
class LoginSteps {
public:
    virtual ~LoginSteps() = default;
    /// Saves the open profile when it is modified.
    virtual void saveModifiedProfile() = 0;
    /// Loads both bases from their files; false when either file is missing.
    virtual bool loadBases() = 0;
};

enum class LoginResult {
    NewNameToConfirm,  // the name was new: the field is to be emptied for the second entry
    EmptyName,         // refused: there is no name
    BasesMissing,      // the name was taken, but a base file is missing: the other pages stay hidden
    LoggedIn,
};

class LoginPage {
public:
    explicit LoginPage(std::vector<std::string> knownUsers = {});

    const std::vector<std::string>& knownUsers() const { return m_knownUsers; }
    /// The row of `name` among the known users, or -1.
    int userRow(std::string_view name) const;

    /// "Войти" with the name in the field (Windows-1251). A name that is not among the known users
    /// (letter case counts) must be given twice in a row; the first time the user is asked to type
    /// it again. An accepted name becomes `currentUser` before the bases are loaded; an empty one
    /// is refused and leaves it as it was. Messages go through `port`.
    LoginResult login(std::string_view name, std::string& currentUser, LoginSteps& steps, app::MessagePort& port,
                      app::Translator& translator);

private:
    std::vector<std::string> m_knownUsers;
    std::string m_previousAttempt;
};

}  // namespace tabrin::bases
