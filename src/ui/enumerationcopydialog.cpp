// The copy dialog: choosing a target prepares the copy, "Вставить" pastes it, "Отмена" closes.
#include "ui/enumerationcopydialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/named.h"
#include "ui/qtext.h"

namespace tabrin::ui {

EnumerationCopyDialog::EnumerationCopyDialog(editing::EnumerationCopy& copy, app::Translator& translator,
                                             QWidget* parent)
    : QDialog(parent), m_copy(copy) {
    setObjectName(QStringLiteral("FormCopySet"));
    setWindowTitle(translatedText(translator, "Копирование перечисления"));
    m_targets = named(new QListWidget, "ListBoxSets");
    for (const std::string& name : copy.targetNames()) m_targets->addItem(toQString(name));
    auto* paste = named(new QPushButton(translatedText(translator, "Вставить")), "ButtonPaste");
    auto* cancel = named(new QPushButton(translatedText(translator, "Отмена")), "ButtonCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(paste);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(translatedText(translator, "Выберите перечисление, в которое нужно вставить копию:")));
    layout->addWidget(m_targets, 1);
    layout->addLayout(buttons);

    // Only an entry the user selects prepares the copy: the list's focus alone makes its first
    // entry current without selecting it.
    connect(m_targets, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_targets->selectedItems();
        if (!selected.isEmpty()) m_copy.choose(m_targets->row(selected.front()));
    });
    connect(paste, &QPushButton::clicked, this, &EnumerationCopyDialog::paste);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EnumerationCopyDialog::paste() {
    if (m_copy.paste() == editing::PasteResult::Pasted) accept();
}

}  // namespace tabrin::ui
