// The field editors through the window on a profile with a base and two configurations: which
// editor a double click opens and the refusals, the cell editor's keys, Enter, Escape and focus
// loss, the group picker and the table's look while it is open, the description editor, the text
// picker with its filter and sorting and its way to the texts page, the blinking warning while a
// base object is edited in a configuration, and the format editor of a new object.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

#include "editing/objectplaces.h"
#include "ui/dictionarywindow.h"
#include "ui/modalhelper.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

std::filesystem::path fixture() {
    return std::filesystem::path(TEST_DATA_DIR) / "editing" / "three_configurations.xml";
}

bool always(QWidget*) { return true; }

}  // namespace

class FieldEditingTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void init() {
        openWindow(fixture());
        // Every column in sight: a click on a cell cut by the edge would scroll the table under the mouse.
        m_run->window().resize(2400, 900);
    }
    void cleanup() { m_run.reset(); }

    void eachColumnOpensItsEditor() {
        const int motor = row("2000h", "01h");
        for (const int column : {1, 2, 7, 9, 10, 11}) {
            doubleClickCell(motor, column);
            QLineEdit* editor = cellEditor();
            QVERIFY2(editor, qPrintable(QString::number(column)));
            QCOMPARE(editor->text(), cell(motor, column));
            QTest::keyClick(editor, Qt::Key_Escape);
            QTRY_VERIFY(!cellEditor());
            QCOMPARE(m_view->currentIndex().column(), column);
        }
        for (const int column : {3, 4, 5}) {
            bool shown = false;
            test::whenShown("TFormChooseText", always, [&](QWidget* dialog) {
                shown = true;
                dialog->findChild<QPushButton*>("ButtonCancel")->click();
            });
            doubleClickCell(motor, column);
            QVERIFY(shown);
        }
        bool described = false;
        test::whenShown("FormDescription", always, [&](QWidget* dialog) {
            described = true;
            dialog->close();
        });
        doubleClickCell(motor, 12);
        QVERIFY(described);
        QVERIFY(m_run->port.asked().empty());
        QVERIFY(!menuItem("N_Undo")->isEnabled());
    }

    void refusalsOpenNothing() {
        doubleClickCell(row("2000h", "00h"), 9);
        doubleClickCell(row("2000h", "01h"), 13);
        QVERIFY(!cellEditor());
        QCOMPARE(m_run->port.asked().size(), std::size_t(2));
        QCOMPARE(toQString(m_run->port.asked()[0].text),
                 utf8("Для корневых элементов нельзя вводить подындекс, адрес, значение по умолчанию, максимум и "
                      "минимум."));
        QCOMPARE(toQString(m_run->port.asked()[1].caption), utf8("Ошибка"));
    }

    void cellEditorTakesItsColumnsKeysAndAppliesWithEnter() {
        doubleClickCell(row("2000h", "04h"), 2);
        QLineEdit* editor = cellEditor();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "1xa");
        QCOMPARE(editor->text(), QStringLiteral("1A"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!cellEditor());
        QVERIFY(row("2000h", "1Ah") >= 0);
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: подындекс 2000h.04h"));
        QVERIFY(m_run->window().windowTitle().contains(QLatin1Char('*')));
        QVERIFY(m_view->hasFocus());

        doubleClickCell(row("2000h", "01h"), 7);
        editor = cellEditor();
        QVERIFY(editor);
        QTest::keyClicks(editor, "_x");
        QCOMPARE(editor->text(), QStringLiteral("v_2000h_01h_x"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!cellEditor());
        QCOMPARE(cell(row("2000h", "01h"), 7), QStringLiteral("v_2000h_01h"));

        doubleClickCell(row("2000h", "01h"), 7);
        QVERIFY(cellEditor());
        QTest::keyClicks(cellEditor(), "_y");
        m_run->find<QLineEdit>("EditRangeBegin")->setFocus();
        QTRY_VERIFY(!cellEditor());
        QCOMPARE(cell(row("2000h", "01h"), 7), QStringLiteral("v_2000h_01h"));
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: подындекс 2000h.04h"));
    }

    void enterOnTheShownTextChangesNothing() {
        doubleClickCell(row("2000h", "01h"), 9);
        QVERIFY(cellEditor());
        QTest::keyClick(cellEditor(), Qt::Key_Return);
        QTRY_VERIFY(!cellEditor());
        QVERIFY(!menuItem("N_Undo")->isEnabled());
        QVERIFY(!m_run->window().windowTitle().contains(QLatin1Char('*')));
    }

    void groupPickerSetsTheGroupOfARootAndItsObjects() {
        const int root = row("3000h", "00h");
        clickCell(root, 8);
        auto* picker = m_run->find<QComboBox>("GroupPicker");
        QVERIFY(picker);
        QVERIFY(!m_view->isEnabled());
        QVERIFY(picker->count() > 3);
        const QString chosen = picker->itemText(3);
        emit picker->activated(3);
        picker->hidePopup();
        QTRY_VERIFY(m_view->isEnabled());
        QCOMPARE(cell(row("3000h", "00h"), 8), chosen);
        QCOMPARE(object("3000h.02h").group, std::string("3"));
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: группа 3000h.00h"));
        QVERIFY(log().find("Group of object #8 [3000h.00h] changed to '") != std::string::npos);
    }

    void tableKeepsItsLookWhileTheGroupPickerIsOpen() {
        const int root = row("3000h", "00h");
        clickCell(root, 8);
        auto* picker = m_run->find<QComboBox>("GroupPicker");
        QVERIFY(picker);
        QVERIFY(!m_view->isEnabled());
        // Two rows under the picker's cell, one of each colour.
        const QRect rows(0, m_view->rowViewportPosition(root + 1), m_view->viewport()->width(),
                         m_view->rowHeight(root + 1) + m_view->rowHeight(root + 2));
        const QImage waiting = m_view->viewport()->grab(rows).toImage();
        picker->hidePopup();
        QTRY_VERIFY(m_view->isEnabled());
        QCOMPARE(m_view->viewport()->grab(rows).toImage(), waiting);
    }

    void descriptionIsKeptOnlyWhenSaved() {
        const int motor = row("2000h", "01h");
        test::whenShown("FormDescription", always, [](QWidget* dialog) {
            dialog->findChild<QPlainTextEdit*>("MemoDescription")->setPlainText(QStringLiteral("kept"));
            dialog->close();
        });
        doubleClickCell(motor, 12);
        QVERIFY(!menuItem("N_Undo")->isEnabled());
        test::whenShown("FormDescription", always, [](QWidget* dialog) {
            dialog->findChild<QPlainTextEdit*>("MemoDescription")->setPlainText(QStringLiteral("one\ntwo"));
            dialog->findChild<QPushButton*>("ButtonSave")->click();
        });
        doubleClickCell(motor, 12);
        QCOMPARE(object("2000h.01h").description, std::string("one\r\ntwo\r\n"));
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: описание 2000h.01h"));
    }

    void textPickerFiltersSortsAndWritesTheChosenText() {
        const bases::TextBaseElement& wanted = m_run->window().workspace().texts.elements().back();
        QStringList listedAuthors;
        QString firstNumberAfterSort;
        test::whenShown("TFormChooseText", always, [&](QWidget* dialog) {
            auto* list = dialog->findChild<QTableView*>("StringGridChooseText");
            dialog->findChild<QPushButton*>("ButtonSortNum")->click();
            firstNumberAfterSort = list->model()->index(0, 0).data().toString();
            dialog->findChild<QCheckBox*>("cbOwnOnly")->setChecked(true);
            for (int r = 0; r < list->model()->rowCount(); ++r)
                listedAuthors << list->model()->index(r, 5).data().toString();
            dialog->findChild<QCheckBox*>("cbOwnOnly")->setChecked(false);
            auto* search = dialog->findChild<QLineEdit*>("EditSearch");
            search->setText(toQString(wanted.trus.empty() ? wanted.teng : wanted.trus));
            QTest::keyClick(search, Qt::Key_Return);
            for (int r = 0; r < list->model()->rowCount(); ++r) {
                if (list->model()->index(r, 0).data().toString() == toQString(wanted.textid)) list->selectRow(r);
            }
            dialog->findChild<QPushButton*>("ButtonOK")->click();
        });
        doubleClickCell(row("2000h", "02h"), 3);
        QCOMPARE(firstNumberAfterSort, toQString(smallestTextNumber()));
        QVERIFY(!listedAuthors.isEmpty());
        for (const QString& author : listedAuthors) QVERIFY(author == utf8("Иванов") || listedAuthors.size() == 1);
        QCOMPARE(object("2000h.02h").textID, wanted.textid);
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: текст 2000h.02h"));

        test::whenShown("TFormChooseText", always,
                        [](QWidget* dialog) { dialog->findChild<QPushButton*>("ButtonCancel")->click(); });
        doubleClickCell(row("2000h", "03h"), 3);
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: текст 2000h.02h"));
    }

    void textPickerGoesToEditingAnOwnText() {
        QString ownNumber;
        bool otherEnabled = true;
        bool ownEnabled = false;
        test::whenShown("TFormChooseText", always, [&](QWidget* dialog) {
            auto* list = dialog->findChild<QTableView*>("StringGridChooseText");
            auto* menu = dialog->findChild<QMenu*>("PopupMenuEditing");
            auto* moveToEdit = dialog->findChild<QAction*>("MoveToEdit");
            const auto openMenuOver = [list](const QString& author) {
                for (int r = 0; r < list->model()->rowCount(); ++r) {
                    const QModelIndex index = list->model()->index(r, 0);
                    if (list->model()->index(r, 5).data().toString() != author) continue;
                    list->scrollTo(index);
                    emit list->customContextMenuRequested(list->visualRect(index).center());
                    return index.data().toString();
                }
                return QString();
            };
            QVERIFY(!openMenuOver(utf8("Петров")).isEmpty());
            QVERIFY(menu->isVisible());
            otherEnabled = moveToEdit->isEnabled();
            menu->hide();
            ownNumber = openMenuOver(utf8("Иванов"));
            ownEnabled = moveToEdit->isEnabled();
            moveToEdit->trigger();
        });
        const std::string before = object("2000h.02h").textID;
        doubleClickCell(row("2000h", "02h"), 3);
        QVERIFY(!otherEnabled);
        QVERIFY(ownEnabled);
        QCOMPARE(object("2000h.02h").textID, before);  // nothing was chosen
        QCOMPARE(m_run->find<QTabWidget>("PageControl1")->currentWidget(), m_run->find<QWidget>("TabSheetTexts"));
        auto* texts = m_run->find<QTableView>("StringGridTexts");
        QCOMPARE(texts->currentIndex().siblingAtColumn(0).data().toString(), ownNumber);
        QCOMPARE(QApplication::focusWidget(), texts);
    }

    void editingABaseObjectInAConfigurationBlinksTheStatusBar() {
        m_run->find<QListWidget>("ListBoxConfigurations")->setCurrentRow(2);
        struct Seen {
            QString warning;
            bool blinking = false;
        };
        const auto describe = [this](const char* index, const char* subindex) {
            Seen seen;
            test::whenShown("FormDescription", always, [&](QWidget* dialog) {
                seen.warning = m_run->find<QLabel>("StatusPanelWarning")->text();
                seen.blinking = m_run->window().findChild<QTimer*>("TimerBaseObjectWarning")->isActive();
                dialog->close();
            });
            doubleClickCell(row(index, subindex), 12);
            return seen;
        };
        const Seen base = describe("1000h", "00h");
        QCOMPARE(base.warning, utf8("Внимание! Вы редактируете объект из базового профиля!"));
        QVERIFY(base.blinking);
        QCOMPARE(m_run->find<QLabel>("StatusPanelWarning")->text(), QString());
        QVERIFY(!m_run->window().findChild<QTimer*>("TimerBaseObjectWarning")->isActive());

        const Seen own = describe("3000h", "01h");
        QCOMPARE(own.warning, QString());
        QVERIFY(!own.blinking);
    }

    void formatEditorRevealsItsChoicesAndOkGivesTheFormatWord() {
        const auto radio = [](QWidget* dialog, const char* group, int position) {
            return dialog->findChild<QWidget*>(group)->findChildren<QRadioButton*>().at(position);
        };
        const auto shown = [](QWidget* dialog, const char* name) {
            return dialog->findChild<QWidget*>(name)->isVisibleTo(dialog);
        };
        QStringList seen;
        test::whenShown("TFormFormatEdit", always, [&](QWidget* dialog) {
            // The object is an editable U16: its standard number is chosen and OK offered.
            seen << QString::number(shown(dialog, "RadioGroupStandard")) + QString::number(shown(dialog, "RadioGroupQType")) +
                        QString::number(shown(dialog, "ButtonOK"));
            radio(dialog, "RadioGroupDataType", 0)->click();
            seen << QString::number(shown(dialog, "RadioGroupVisualization")) +
                        QString::number(shown(dialog, "GroupBoxBits")) + QString::number(shown(dialog, "ButtonOK"));
            radio(dialog, "RadioGroupDataType", 3)->click();
            radio(dialog, "RadioGroupFloatType", 0)->click();
            seen << QString::number(shown(dialog, "EditNumOfFloat")) + QString::number(shown(dialog, "ComboBoxScale")) +
                        QString::number(shown(dialog, "ButtonOK"));
            radio(dialog, "RadioGroupDataType", 2)->click();
            radio(dialog, "RadioGroupQType", 1)->click();
            auto* scale = dialog->findChild<QComboBox*>("ComboBoxScale");
            scale->setCurrentIndex(3);
            emit scale->activated(3);
            seen << dialog->findChild<QComboBox*>("ComboBoxQValue")->currentText() +
                        QString::number(shown(dialog, "ButtonOK"));
            dialog->findChild<QPushButton*>("ButtonOK")->click();
        });
        doubleClickCell(row("2000h", "01h"), 6);
        QCOMPARE(seen, (QStringList{QStringLiteral("101"), QStringLiteral("110"), QStringLiteral("101"),
                                    QStringLiteral("(8.24) s i i i i i i i , f f f f f f f f f f f f f f f f f f f f f f "
                                                   "f f 1")}));
        QCOMPARE(object("2000h.01h").format, std::to_string(0x4000 + 0x1000 + 0x400 + 3 * 32 + 24));
        QCOMPARE(object("2000h.01h").Type, std::string("IQ"));
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: формат 2000h.01h"));
        QVERIFY(log().find("Format of object #2 [2000h.01h] changed to:\r\n\t AccType: Editable\r\n\t Type: IQ") !=
                std::string::npos);
    }

    void newObjectOpensTheFormatEditorWithNothingChosen() {
        clickCell(row("2000h", "04h"), 3);
        test::whenShown("FormNewObject", always,
                        [](QWidget* dialog) { dialog->findChild<QPushButton*>("ButtonOK")->click(); });
        m_run->find<QPushButton>("ButtonNewObject")->click();
        const int created = row("2000h", "05h");
        QCOMPARE(cell(created, 6), utf8("не задан"));
        QStringList chosen;
        QStringList shown;
        test::whenShown("TFormFormatEdit", always, [&](QWidget* dialog) {
            for (const QRadioButton* place :
                 dialog->findChild<QWidget*>("RadioGroupPlace")->findChildren<QRadioButton*>())
                if (place->isChecked()) chosen << place->text();
            for (const char* name : {"RadioGroupPlace", "RadioGroupAccess", "RadioGroupDataType", "ButtonOK"})
                if (dialog->findChild<QWidget*>(name)->isVisibleTo(dialog)) shown << QLatin1String(name);
            dialog->findChild<QPushButton*>("ButtonCancel")->click();
        });
        doubleClickCell(created, 6);
        QCOMPARE(chosen, QStringList());
        QCOMPARE(shown, QStringList{QStringLiteral("RadioGroupPlace")});
    }

    void formatEditorBitStripAndCancel() {
        const std::string before = object("2000h.02h").format;
        test::whenShown("TFormFormatEdit", always, [](QWidget* dialog) {
            dialog->findChild<QWidget*>("RadioGroupDataType")->findChildren<QRadioButton*>().at(0)->click();
            dialog->findChild<QWidget*>("RadioGroupVisualization")->findChildren<QRadioButton*>().at(3)->click();
            auto* strip = dialog->findChild<QWidget*>("GroupBoxBits");
            const QList<QLabel*> cells = strip->findChildren<QLabel*>();
            const auto mark = [&](int bit) { return cells.at(2 * (15 - bit) + 1); };
            QTest::mouseClick(strip, Qt::LeftButton, {}, mark(11)->geometry().center());
            QTest::mouseClick(strip, Qt::RightButton, {}, mark(8)->geometry().center());
            QStringList marks;
            for (int bit = 15; bit >= 0; --bit) marks << mark(bit)->text();
            QCOMPARE(marks.join(QString()), QStringLiteral("XXXX"));
            QCOMPARE(mark(11)->text(), QStringLiteral("X"));
            QCOMPARE(mark(12)->text(), QString());
            QVERIFY(dialog->findChild<QWidget*>("ButtonOK")->isVisibleTo(dialog));
            dialog->findChild<QPushButton*>("ButtonCancel")->click();
        });
        doubleClickCell(row("2000h", "02h"), 6);
        QCOMPARE(object("2000h.02h").format, before);
        QVERIFY(!menuItem("N_Undo")->isEnabled());
    }

private:
    // The open cell editor; a closed one is hidden until it is deleted.
    QLineEdit* cellEditor() const {
        for (auto* editor : m_view->findChildren<QLineEdit*>("CellEditor"))
            if (editor->isVisible()) return editor;
        return nullptr;
    }

    const model::DictObject& object(const std::string& address) const {
        for (const model::DictObject* shown : m_run->window().workspace().profile.view())
            if (shown->address() == address) return *shown;
        static const model::DictObject none;
        return none;
    }

    std::string smallestTextNumber() const {
        int smallest = INT_MAX;
        for (const bases::TextBaseElement& text : m_run->window().workspace().texts.elements())
            smallest = std::min(smallest, std::stoi(text.textid));
        return std::to_string(smallest);
    }
};

TABRIN_UI_TEST(FieldEditingTest)

}  // namespace tabrin::ui

#include "fieldediting_test.moc"
