// The author-change dialog "Смена автора текста/перечисления" (TFormChangeAuthor): the known names
// to choose from, or a name typed in, for a text of the texts page or an enumeration.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "editing/authorchange.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

class AuthorChangeDialog : public QDialog {
    Q_OBJECT

public:
    AuthorChangeDialog(editing::AuthorChange change, app::Translator& translator, QWidget* parent = nullptr);

    /// Opens the dialog modally: the name confirmed with "OK", nothing when cancelled.
    static std::optional<std::string> ask(editing::AuthorChange change, app::Translator& translator, QWidget* parent);

    const editing::AuthorChange& change() const { return m_change; }

private:
    void typed();

    editing::AuthorChange m_change;
    QListWidget* m_names;
    QLineEdit* m_user;
    QPushButton* m_ok;
};

}  // namespace tabrin::ui
