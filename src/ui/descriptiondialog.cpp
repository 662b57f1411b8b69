// The description editor "Описание": the object's description in a multi-line field, kept by
// "Сохранить"; closing the window otherwise keeps nothing.
#include "ui/descriptiondialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/named.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {

DescriptionDialog::DescriptionDialog(const QString& lines, app::Translator& translator, QWidget* parent)
    : QDialog(parent), m_text(named(new QPlainTextEdit(lines), "MemoDescription")) {
    setObjectName(QStringLiteral("FormDescription"));
    setWindowTitle(QStringLiteral("Описание"));
    auto* save = named(new QPushButton(QStringLiteral("Сохранить")), "ButtonSave");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    translateWindow(this, translator);
}

QString DescriptionDialog::lines() const { return m_text->toPlainText(); }

}  // namespace tabrin::ui
