// A number field that takes digits only and turns a text that is no number into a set value.
#include "ui/digitspinbox.h"

#include "ui/qtext.h"

namespace tabrin::ui {

DigitSpinBox::DigitSpinBox(app::NumberFieldRange range, QWidget* parent) : QSpinBox(parent), m_range(range) {
    setRange(range.minimum, range.maximum);
}

QValidator::State DigitSpinBox::validate(QString& text, int&) const {
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return QValidator::Invalid;
    }
    // An empty field is left to `fixup`, which gives it the value for no number.
    return text.isEmpty() ? QValidator::Intermediate : QValidator::Acceptable;
}

int DigitSpinBox::valueFromText(const QString& text) const { return app::numberFieldValue(fromQString(text), m_range); }

void DigitSpinBox::fixup(QString& text) const { text = QString::number(valueFromText(text)); }

}  // namespace tabrin::ui
