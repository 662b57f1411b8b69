// The author-change dialog: a list of names over the core's author change, and the field it fills.
#include "ui/authorchangedialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {

AuthorChangeDialog::AuthorChangeDialog(editing::AuthorChange change, app::Translator& translator, QWidget* parent)
    : QDialog(parent),
      m_change(std::move(change)),
      m_names(named(new QListWidget, "sgUsers")),
      m_user(named(new QLineEdit, "EditUser")),
      m_ok(named(new QPushButton(QStringLiteral("OK")), "ButtonOK")) {
    setObjectName(QStringLiteral("FormChangeAuthor"));
    setWindowTitle(QStringLiteral("Смена автора текста/перечисления"));
    auto* hint = named(new QLabel, "LabelHint");
    hint->setWordWrap(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Отмена")), "ButtonCancel");
    for (const std::string& name : m_change.names()) m_names->addItem(toQString(name));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(
        named(new QLabel(QStringLiteral("Вы можете выбрать автора из списка или ввести вручную.")), "LabelChoose"));
    layout->addWidget(m_names, 1);
    layout->addWidget(m_user);
    layout->addLayout(buttons);
    m_ok->setDefault(true);

    translateWindow(this, translator);
    // The hint names the text or enumeration; the core has translated its pieces.
    hint->setText(toQString(m_change.hint()));
    m_user->setText(toQString(m_change.author()));
    m_names->setCurrentRow(m_change.chosenRow());
    m_ok->setEnabled(m_change.canConfirm());

    connect(m_names, &QListWidget::currentRowChanged, this, [this](int row) {
        m_change.choose(row);
        m_user->setText(toQString(m_change.author()));
    });
    connect(m_user, &QLineEdit::textChanged, this, &AuthorChangeDialog::typed);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void AuthorChangeDialog::typed() {
    m_change.setAuthor(fromQString(m_user->text()));
    m_ok->setEnabled(m_change.canConfirm());
}

std::optional<std::string> AuthorChangeDialog::ask(editing::AuthorChange change, app::Translator& translator,
                                                   QWidget* parent) {
    AuthorChangeDialog dialog(std::move(change), translator, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.change().author();
}

}  // namespace tabrin::ui
