// The description editor "Описание": the object's description in a multi-line field, kept by
// "Сохранить"; closing the window otherwise keeps nothing.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

class DescriptionDialog : public QDialog {
    Q_OBJECT

public:
    /// `lines`: the description as the field shows it.
    DescriptionDialog(const QString& lines, app::Translator& translator, QWidget* parent = nullptr);

    /// The field's text, lines separated by "\n".
    QString lines() const;

private:
    QPlainTextEdit* m_text;
};

}  // namespace tabrin::ui
