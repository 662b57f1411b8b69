// The format editor "Формат" (TFormFormatEdit): the choices of an object's format, revealed step
// by step, with "OK" shown only once every needed choice is made.
#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tabrin::app {
class Translator;
}
namespace tabrin::editing {
class FormatEditor;
}

namespace tabrin::ui {

class BitStrip;
class DigitSpinBox;
class RadioGroup;

class FormatEditorDialog : public QDialog {
    Q_OBJECT

public:
    /// Binds `editor`, which outlives the dialog; "OK" accepts, "Отмена" and Escape reject.
    FormatEditorDialog(editing::FormatEditor& editor, app::Translator& translator, QWidget* parent = nullptr);

private:
    /// A choice of the editor made by position.
    using Choice = std::function<void(editing::FormatEditor&, int)>;
    RadioGroup* radioGroup(const char* name, const char* title, std::initializer_list<const char*> items,
                           Choice choose);
    QComboBox* list(const char* name, Choice choose);
    /// Shows the editor's state: the groups in sight, the chosen items, the bit strip and "OK".
    void showState();

    editing::FormatEditor& m_editor;
    RadioGroup* m_place;
    RadioGroup* m_access;
    RadioGroup* m_dataType;
    RadioGroup* m_standard;
    RadioGroup* m_qType;
    RadioGroup* m_visualization;
    RadioGroup* m_floatType;
    QComboBox* m_qValue;
    QComboBox* m_scale;
    QComboBox* m_prefix;
    QComboBox* m_units;
    DigitSpinBox* m_decimals;
    QWidget* m_qValueRow;
    QWidget* m_scaleRow;
    QWidget* m_unitsRow;
    BitStrip* m_bits;
    QPushButton* m_ok;
};

}  // namespace tabrin::ui
