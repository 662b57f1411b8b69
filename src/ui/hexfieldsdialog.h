// The small modal dialogs of the object operations that ask for index texts: "Создать элемент
// словаря" (index and subindex) and "Скопировать с подындексами" (the new index).
#pragma once

#include <QDialog>

#include <vector>

class QLineEdit;

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

class HexFieldsDialog : public QDialog {
    Q_OBJECT

public:
    struct Field {
        const char* name;       // the component name of the line edit
        const char* labelName;  // and of its label
        QString label;
        QString text;
    };

    /// One labelled field per entry, each taking hexadecimal digits only; "OK" (also Enter)
    /// confirms, "Отмена" cancels. Translated as a window of its own.
    HexFieldsDialog(const char* name, const QString& title, const std::vector<Field>& fields,
                    app::Translator& translator, QWidget* parent = nullptr);

    /// The text of field `position`, in capitals.
    QString text(int position) const;

private:
    std::vector<QLineEdit*> m_fields;
};

}  // namespace tabrin::ui
