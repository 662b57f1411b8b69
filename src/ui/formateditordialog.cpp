// The format editor "Формат" (TFormFormatEdit): the choices of an object's format, revealed step
// by step, with "OK" shown only once every needed choice is made.
#include "ui/formateditordialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editing/formateditor.h"
#include "ui/digitspinbox.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/radiogroup.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {

/// The 16 cells "F" … "0" of a 16-bit word with the hint on the two buttons under them; a left or
/// right click on a cell is told with its position.
class BitStrip : public QGroupBox {
    Q_OBJECT

public:
    BitStrip() : QGroupBox(QStringLiteral("Задайте положение битового поля в слове")) {
        auto* layout = new QGridLayout(this);
        layout->setSpacing(1);
        for (int cell = 0; cell < editing::kBitStripCells; ++cell) {
            auto* label = new QLabel(QString::number(editing::kBitStripCells - 1 - cell, 16).toUpper());
            label->setAlignment(Qt::AlignCenter);
            auto* mark = new QLabel;
            mark->setAlignment(Qt::AlignCenter);
            mark->setFrameShape(QFrame::Box);
            mark->setMinimumSize(18, 18);
            layout->addWidget(label, 0, cell);
            layout->addWidget(mark, 1, cell);
            m_marks[static_cast<std::size_t>(cell)] = mark;
        }
        // Nothing else on the strip tells the two buttons apart.
        auto* hint =
            named(new QLabel(QStringLiteral("Левый щелчок — старший бит поля, правый щелчок — младший бит поля")),
                  "LabelBitsHint");
        layout->addWidget(hint, 2, 0, 1, editing::kBitStripCells);
    }

    void mark(const editing::FormatEditor& editor) {
        for (int cell = 0; cell < editing::kBitStripCells; ++cell)
            m_marks[static_cast<std::size_t>(cell)]->setText(editor.bitMarked(cell) ? QStringLiteral("X") : QString());
    }
    /// The cell under `point` of the strip, or -1.
    int cellAt(const QPoint& point) const {
        for (int cell = 0; cell < editing::kBitStripCells; ++cell) {
            const QLabel* mark = m_marks[static_cast<std::size_t>(cell)];
            if (mark->geometry().contains(point)) return cell;
        }
        return -1;
    }
    QPoint cellCentre(int cell) const { return m_marks[static_cast<std::size_t>(cell)]->geometry().center(); }

signals:
    void cellClicked(int cell, bool leftButton);

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const int cell = cellAt(event->position().toPoint());
        if (cell >= 0 && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
            emit cellClicked(cell, event->button() == Qt::LeftButton);
        event->accept();
    }

private:
    std::array<QLabel*, editing::kBitStripCells> m_marks{};
};

namespace {

// A labelled row holding `field`, to show and hide as one.
QWidget* labelledRow(const char* labelName, const char* label, QWidget* field) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(new QLabel(QString::fromUtf8(label)), labelName));
    layout->addWidget(field, 1);
    return row;
}

void chooseItem(QComboBox* box, const std::optional<int>& position) {
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(position.value_or(-1));
}

void fillList(QComboBox* box, const std::vector<std::string>& items) {
    const QSignalBlocker blocker(box);
    box->clear();
    for (const std::string& item : items) box->addItem(toQString(item));
}

}  // namespace

FormatEditorDialog::FormatEditorDialog(editing::FormatEditor& editor, app::Translator& translator, QWidget* parent)
    : QDialog(parent), m_editor(editor) {
    setObjectName(QStringLiteral("TFormFormatEdit"));
    setWindowTitle(QStringLiteral("Формат"));
    using E = editing::FormatEditor;
    m_place = radioGroup("RadioGroupPlace", "Место в подгруппе объектов", {"Не корневой", "Корневой"},
                         [](E& e, int p) { e.choosePlace(p); });
    m_access =
        radioGroup("RadioGroupAccess", "Тип доступа", {"Наблюдаемый", "Редактируемый", "Защищенный", "Секретный"},
                   [](E& e, int p) { e.chooseAccess(p); });
    m_dataType = radioGroup("RadioGroupDataType", "Тип данных",
                            {"Битовый", "Станд. числовой", "Числовой Q-тип", "С плав. точкой"},
                            [](E& e, int p) { e.chooseDataType(p); });
    m_standard = radioGroup("RadioGroupStandard", "Стандартное число: разрядность, наличие знака",
                            {"Беззнаковый байт (U8)", "Знаковый байт (I8)", "Беззнаковое слово (U16)",
                             "Знаковое слово (I16)", "Беззнаковое двойное слово (U32)", "Знаковое двойное слово (I32)"},
                            [](E& e, int p) { e.chooseStandard(p); });
    m_qType = radioGroup("RadioGroupQType", "Q-тип: разрядность, наличие знака",
                         {"Знаковое слово (I16)", "Знаковое двойное слово (I32)", "Беззнаковое слово (U16)",
                          "Беззнаковое двойное слово (U32)"},
                         [](E& e, int p) { e.chooseQType(p); });
    m_visualization = radioGroup("RadioGroupVisualization", "Визуализация битового параметра",
                                 {"Текст", "Двоичная", "Десятичная", "Шестнадцатеричная"},
                                 [](E& e, int p) { e.chooseVisualization(p); });
    m_floatType =
        radioGroup("RadioGroupFloatType", "Тип числа с плавающей точкой",
                   {"Абсолютные единицы", "Относительные единицы"}, [](E& e, int p) { e.chooseFloatType(p); });
    m_qValue = list("ComboBoxQValue", [](E& e, int p) { e.chooseQValue(p); });
    m_scale = list("ComboBoxScale", [](E& e, int p) { e.chooseScale(p); });
    m_prefix = list("ComboBoxPrefix", [](E& e, int p) { e.choosePrefix(p); });
    m_units = list("ComboBoxUnits", [](E& e, int p) { e.chooseUnits(p); });
    fillList(m_scale, editor.scaleItems());
    fillList(m_prefix, editor.unitLists().prefixes);
    fillList(m_units, editor.unitLists().units);
    m_decimals = named(new DigitSpinBox(editing::kDecimalsRange), "EditNumOfFloat");
    m_decimals->setValue(editor.choices().decimals);
    connect(m_decimals, &QSpinBox::textChanged, this, [this](const QString& text) {
        m_editor.setDecimals(fromQString(text));
        showState();
    });
    m_qValueRow = labelledRow("LabelQValue", "Q-формат числа:", m_qValue);
    m_scaleRow = labelledRow("LabelScale", "Масштабирующий коэффициент:", m_scale);
    m_unitsRow = new QWidget;
    auto* unitsForm = new QFormLayout(m_unitsRow);
    unitsForm->setContentsMargins(0, 0, 0, 0);
    unitsForm->addRow(named(new QLabel(QStringLiteral("Префикс")), "LabelPrefix"), m_prefix);
    unitsForm->addRow(named(new QLabel(QStringLiteral("Единицы")), "LabelUnits"), m_units);
    unitsForm->addRow(
        named(new QLabel(QStringLiteral("Количество знаков после запятой для отображения:")), "LabelNumOfFloat"),
        m_decimals);
    m_bits = named(new BitStrip, "GroupBoxBits");
    connect(m_bits, &BitStrip::cellClicked, this, [this](int cell, bool leftButton) {
        m_editor.clickBit(cell, leftButton);
        showState();
    });

    m_ok = named(new QPushButton(QStringLiteral("OK")), "ButtonOK");
    auto* cancel = named(new QPushButton(QStringLiteral("Отмена")), "ButtonCancel");
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* left = new QVBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{m_place, m_access, m_dataType}) left->addWidget(widget);
    left->addStretch();
    auto* right = new QVBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{m_standard, m_qType, m_qValueRow, m_visualization, m_bits,
                                                           m_floatType, m_unitsRow, m_scaleRow})
        right->addWidget(widget);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    translateWindow(this, translator);
    showState();
}

RadioGroup* FormatEditorDialog::radioGroup(const char* name, const char* title,
                                           std::initializer_list<const char*> items, Choice choose) {
    QStringList texts;
    for (const char* item : items) texts << QString::fromUtf8(item);
    auto* group = named(new RadioGroup(QString::fromUtf8(title), texts), name);
    connect(group, &RadioGroup::itemChosen, this, [this, choose = std::move(choose)](int position) {
        choose(m_editor, position);
        showState();
    });
    return group;
}

QComboBox* FormatEditorDialog::list(const char* name, Choice choose) {
    auto* box = named(new QComboBox, name);
    connect(box, &QComboBox::activated, this, [this, choose = std::move(choose)](int position) {
        choose(m_editor, position);
        showState();
    });
    return box;
}

void FormatEditorDialog::showState() {
    const editing::FormatChoices& choices = m_editor.choices();
    const editing::FormatGroups shown = m_editor.groups();
    m_place->setItemIndex(choices.place.value_or(-1));
    m_access->setItemIndex(choices.access.value_or(-1));
    m_dataType->setItemIndex(choices.dataType.value_or(-1));
    m_standard->setItemIndex(choices.standard.value_or(-1));
    m_qType->setItemIndex(choices.qType.value_or(-1));
    m_visualization->setItemIndex(choices.visualization.value_or(-1));
    m_floatType->setItemIndex(choices.floatType.value_or(-1));
    fillList(m_qValue, m_editor.qValueItems());
    chooseItem(m_qValue, choices.qValue);
    chooseItem(m_scale, choices.scale);
    chooseItem(m_prefix, choices.prefix);
    chooseItem(m_units, choices.units);
    m_bits->mark(m_editor);

    m_access->setVisible(shown.access);
    m_dataType->setVisible(shown.dataType);
    m_standard->setVisible(shown.standard);
    m_qType->setVisible(shown.qType);
    m_qValueRow->setVisible(shown.qValue);
    m_scaleRow->setVisible(shown.scale);
    m_visualization->setVisible(shown.visualization);
    m_bits->setVisible(shown.bitField);
    m_floatType->setVisible(shown.floatType);
    m_unitsRow->setVisible(shown.units);
    m_ok->setVisible(m_editor.okOffered());
}

}  // namespace tabrin::ui

#include "formateditordialog.moc"
