// The small modal dialogs of the object operations that ask for index texts: "Создать элемент
// словаря" (index and subindex) and "Скопировать с подындексами" (the new index).
#include "ui/hexfieldsdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/hexkeyfilter.h"
#include "ui/named.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {

HexFieldsDialog::HexFieldsDialog(const char* name, const QString& title, const std::vector<Field>& fields,
                                 app::Translator& translator, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    auto* keyFilter = new HexKeyFilter(this);
    auto* form = new QFormLayout;
    for (const Field& field : fields) {
        auto* edit = named(new QLineEdit(field.text), field.name);
        edit->installEventFilter(keyFilter);
        form->addRow(named(new QLabel(field.label), field.labelName), edit);
        m_fields.push_back(edit);
    }
    auto* ok = named(new QPushButton(QStringLiteral("OK")), "ButtonOK");
    auto* cancel = named(new QPushButton(QStringLiteral("Отмена")), "ButtonCancel");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    translateWindow(this, translator);
}

QString HexFieldsDialog::text(int position) const {
    return m_fields[static_cast<std::size_t>(position)]->text().toUpper();
}

}  // namespace tabrin::ui
