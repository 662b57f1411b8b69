// A number field that takes digits only and turns a text that is no number into a set value.
#pragma once

#include <QSpinBox>

#include "app/optionsvalues.h"

namespace tabrin::ui {

class DigitSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit DigitSpinBox(app::NumberFieldRange range, QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& text, int& position) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& text) const override;

private:
    app::NumberFieldRange m_range;
};

}  // namespace tabrin::ui
