// The login page "Вход" (TabSheetLogin): the user name, the known users and the inactive controls
// of the shared-database synchronisation.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tabrin::ui {

class LoginPageWidget : public QWidget {
    Q_OBJECT

public:
    explicit LoginPageWidget(QWidget* parent = nullptr);

    /// Lists the known users (Windows-1251) and selects the row of `selectedRow` (-1: none).
    void showUsers(const std::vector<std::string>& users, int selectedRow);

    QLineEdit* userEdit() const { return m_user; }
    /// The hint beside the login button, hidden once a login has been tried.
    QLabel* hint() const { return m_hint; }

signals:
    void loginClicked();

private:
    QWidget* buildDatabaseControls();

    QLineEdit* m_user;
    QTableWidget* m_users;
    QLabel* m_hint;
};

}  // namespace tabrin::ui
