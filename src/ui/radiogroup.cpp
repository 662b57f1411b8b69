// A titled group of radio buttons chosen by position, with item texts that translation can reach.
#include "ui/radiogroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tabrin::ui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    for (qsizetype position = 0; position < items.size(); ++position) {
        auto* button = new QRadioButton(items[position], this);
        m_buttons->addButton(button, static_cast<int>(position));
        layout->addWidget(button);
    }
    // Every way of checking a button toggles it; only the mouse also clicks it.
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int position, bool checked) {
        if (checked && !m_setting) emit itemChosen(position);
    });
}

int RadioGroup::itemCount() const { return static_cast<int>(m_buttons->buttons().size()); }

QString RadioGroup::itemText(int position) const {
    const QAbstractButton* button = m_buttons->button(position);
    return button ? button->text() : QString();
}

void RadioGroup::setItemText(int position, const QString& text) {
    if (QAbstractButton* button = m_buttons->button(position)) button->setText(text);
}

int RadioGroup::itemIndex() const { return m_buttons->checkedId(); }

void RadioGroup::setItemIndex(int position) {
    QAbstractButton* button = m_buttons->button(position);
    if (!button) return;
    m_setting = true;
    button->setChecked(true);
    m_setting = false;
}

}  // namespace tabrin::ui
