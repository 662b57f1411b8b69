// The format editor dialog on its own: the controls each opened format shows, a Q format made by
// clicks, the decimals field's keys, the bit strip's hint in both languages, and the ways it closes.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "app/translator.h"
#include "editing/formateditor.h"
#include "support/tempfolder.h"
#include "ui/formateditordialog.h"
#include "ui/uitestregistry.h"

Q_DECLARE_METATYPE(tabrin::model::DictObject)

namespace tabrin::ui {
namespace {

const editing::UnitLists kLists{{"", "k"}, {"V", "A"}};

// Every control that the editor shows or hides, by name.
const QStringList kControls = {"RadioGroupAccess",        "RadioGroupDataType", "RadioGroupStandard",
                               "RadioGroupQType",         "ComboBoxQValue",     "ComboBoxScale",
                               "RadioGroupVisualization", "GroupBoxBits",       "RadioGroupFloatType",
                               "ComboBoxPrefix",          "ComboBoxUnits",      "EditNumOfFloat",
                               "ButtonOK"};

model::DictObject formatted(const char* type, const std::function<void(model::DictObject&)>& attributes) {
    model::DictObject object;
    object.Type = type;
    object.DataType = "Editable";
    attributes(object);
    object.format = std::to_string(model::formatWord(object));
    return object;
}

QStringList shownControls(const QDialog& dialog) {
    QStringList shown;
    for (const QString& name : kControls) {
        if (dialog.findChild<QWidget*>(name)->isVisibleTo(&dialog)) shown << name;
    }
    return shown;
}

QRadioButton* radio(const QDialog& dialog, const char* group, int position) {
    return dialog.findChild<QWidget*>(group)->findChildren<QRadioButton*>().at(position);
}

int checkedPosition(const QDialog& dialog, const char* group) {
    const QList<QRadioButton*> buttons = dialog.findChild<QWidget*>(group)->findChildren<QRadioButton*>();
    for (qsizetype position = 0; position < buttons.size(); ++position) {
        if (buttons[position]->isChecked()) return static_cast<int>(position);
    }
    return -1;
}

}  // namespace

class FormatEditorDialogTest : public QObject {
    Q_OBJECT

private slots:
    void eachFormatOpensWithItsControls_data() {
        QTest::addColumn<model::DictObject>("object");
        QTest::addColumn<int>("dataType");
        QTest::addColumn<QStringList>("shown");
        const QStringList typed = {"RadioGroupAccess", "RadioGroupDataType"};
        QTest::newRow("new object") << model::DictObject() << -1 << QStringList();
        QTest::newRow("root") << formatted("Root", [](model::DictObject&) {}) << -1 << QStringList{"ButtonOK"};
        QTest::newRow("bit field") << formatted("Bit",
                                                [](model::DictObject& o) {
                                                    o.Visualization = "Dec";
                                                    o.StartBit = 3;
                                                    o.Length = 2;
                                                })
                                   << 0 << typed + QStringList{"RadioGroupVisualization", "GroupBoxBits", "ButtonOK"};
        QTest::newRow("standard number") << formatted("StandartNum",
                                                      [](model::DictObject& o) {
                                                          o.Size = "16";
                                                          o.Signed = "false";
                                                      })
                                         << 1 << typed + QStringList{"RadioGroupStandard", "ButtonOK"};
        QTest::newRow("standard number of another size")
            << formatted("StandartNum", [](model::DictObject& o) { o.Size = "64"; }) << 1
            << typed + QStringList{"RadioGroupStandard"};
        QTest::newRow("Q number") << formatted("IQ",
                                               [](model::DictObject& o) {
                                                   o.Size = "32";
                                                   o.Signed = "true";
                                                   o.QValue = 24;
                                                   o.ScaleNum = 1;
                                               })
                                  << 2
                                  << typed + QStringList{"RadioGroupQType", "ComboBoxQValue", "ComboBoxScale", "ButtonOK"};
        QTest::newRow("absolute float")
            << formatted("Float",
                         [](model::DictObject& o) {
                             o.FloatType = "Absolute";
                             o.Units = 1;
                         })
            << 3
            << typed + QStringList{"RadioGroupFloatType", "ComboBoxPrefix", "ComboBoxUnits", "EditNumOfFloat", "ButtonOK"};
        QTest::newRow("relative float") << formatted("Float",
                                                     [](model::DictObject& o) {
                                                         o.FloatType = "Relative";
                                                         o.ScaleNum = 2;
                                                     })
                                        << 3 << typed + QStringList{"ComboBoxScale", "RadioGroupFloatType", "ButtonOK"};
        QTest::newRow("type the list lacks") << formatted("Text", [](model::DictObject&) {}) << -1 << typed;
    }

    void eachFormatOpensWithItsControls() {
        QFETCH(model::DictObject, object);
        QFETCH(int, dataType);
        QFETCH(QStringList, shown);
        const std::vector<model::ScaleNumber> scales;
        editing::FormatEditor editor(object, scales, kLists);
        app::Translator translator;
        FormatEditorDialog dialog(editor, translator);
        QCOMPARE(dialog.objectName(), QStringLiteral("TFormFormatEdit"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Формат"));
        QCOMPARE(shownControls(dialog), shown);
        QCOMPARE(checkedPosition(dialog, "RadioGroupDataType"), dataType);
    }

    void clicksMakeAQFormat() {
        const std::vector<model::ScaleNumber> scales;
        editing::FormatEditor editor(model::DictObject(), scales, kLists);
        app::Translator translator;
        FormatEditorDialog dialog(editor, translator);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        radio(dialog, "RadioGroupPlace", 0)->click();
        QCOMPARE(shownControls(dialog), QStringList{"RadioGroupAccess"});
        radio(dialog, "RadioGroupAccess", 1)->click();
        radio(dialog, "RadioGroupDataType", 2)->click();
        radio(dialog, "RadioGroupQType", 1)->click();
        auto* qValue = dialog.findChild<QComboBox*>("ComboBoxQValue");
        QCOMPARE(qValue->count(), 32);
        QCOMPARE(qValue->currentIndex(), 24);
        QVERIFY(!shownControls(dialog).contains("ButtonOK"));  // no scale coefficient yet
        auto* scale = dialog.findChild<QComboBox*>("ComboBoxScale");
        QCOMPARE(scale->count(), editing::kScaleCoefficients);
        for (int step = 0; step <= 3; ++step) QTest::keyClick(scale, Qt::Key_Down);
        QCOMPARE(scale->currentText(), QStringLiteral("03h:     IQ"));
        QVERIFY(shownControls(dialog).contains("ButtonOK"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const model::DictObject confirmed = editor.confirmed();
        QCOMPARE(confirmed.format, std::string("21624"));
        QCOMPARE(confirmed.Signed, std::string("true"));
        QCOMPARE(confirmed.Size, std::string("32"));
    }

    void decimalsTakeDigitsWithinTheirRange() {
        const model::DictObject absolute = formatted("Float", [](model::DictObject& o) { o.FloatType = "Absolute"; });
        const std::vector<model::ScaleNumber> scales;
        editing::FormatEditor editor(absolute, scales, kLists);
        app::Translator translator;
        FormatEditorDialog dialog(editor, translator);
        auto* decimals = dialog.findChild<QSpinBox*>("EditNumOfFloat");
        auto* text = decimals->findChild<QLineEdit*>();
        struct Step {
            const char* typed;
            QString shown;
            int held;
        };
        const Step steps[] = {{"x", "0", 0}, {"2", "2", 2}, {"5", "5", 3}, {"a1", "1", 1}};
        for (const Step& step : steps) {
            text->selectAll();
            QTest::keyClicks(decimals, QString::fromLatin1(step.typed));
            QCOMPARE(text->text(), step.shown);
            QCOMPARE(editor.choices().decimals, step.held);
        }
        text->selectAll();
        QTest::keyClick(decimals, Qt::Key_Backspace);
        decimals->interpretText();  // as leaving the field does
        QCOMPARE(text->text(), QStringLiteral("0"));
        QCOMPARE(editor.choices().decimals, 0);
    }

    void bitStripTellsTheButtonsApartInTheInterfaceLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Russian") << 0
                                 << QString::fromUtf8(
                                        "Левый щелчок — старший бит поля, правый щелчок — младший бит поля");
        QTest::newRow("English") << 1 << QStringLiteral("Left click: the field's high bit; right click: its low bit");
    }

    void bitStripTellsTheButtonsApartInTheInterfaceLanguage() {
        QFETCH(int, language);
        QFETCH(QString, hint);
        test::TempFolder folder;
        test::writeFile(folder.path() / "lang_dict.xml",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<TFormFormatEdit-GroupBoxBits-LabelBitsHint-Caption RUS=\"Левый щелчок — старший бит поля, "
                        "правый щелчок — младший бит поля\" ENG=\"Left click: the field's "
                        "high bit; right click: its low bit\"/>\n");
        app::Translator translator;
        translator.loadDictionary(folder.path() / "lang_dict.xml", language);
        const model::DictObject bits = formatted("Bit", [](model::DictObject& o) {
            o.Visualization = "Hex";
            o.Length = 4;
        });
        const std::vector<model::ScaleNumber> scales;
        editing::FormatEditor editor(bits, scales, kLists);
        FormatEditorDialog dialog(editor, translator);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto* label = dialog.findChild<QLabel*>("LabelBitsHint");
        QVERIFY(label && label->isVisible());
        QCOMPARE(label->text(), hint);
        const QWidget* strip = dialog.findChild<QWidget*>("GroupBoxBits");
        for (const QLabel* cell : strip->findChildren<QLabel*>()) {
            if (cell != label) QVERIFY(cell->geometry().bottom() < label->geometry().top());
        }
    }

    void cancelAndEscapeReject() {
        const std::vector<model::ScaleNumber> scales;
        editing::FormatEditor editor(formatted("Root", [](model::DictObject&) {}), scales, kLists);
        app::Translator translator;
        FormatEditorDialog byButton(editor, translator);
        byButton.show();
        QTest::mouseClick(byButton.findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
        QCOMPARE(byButton.result(), int(QDialog::Rejected));
        QVERIFY(!byButton.isVisible());
        FormatEditorDialog byKey(editor, translator);
        byKey.show();
        QTest::keyClick(&byKey, Qt::Key_Escape);
        QCOMPARE(byKey.result(), int(QDialog::Rejected));
        QVERIFY(!byKey.isVisible());
    }
};

TABRIN_UI_TEST(FormatEditorDialogTest)

}  // namespace tabrin::ui

#include "formateditordialog_test.moc"
