// The enumerations page in the window: an item edited and the size changed, saved on leaving the page
// so that the file changes by exactly those edits; an untouched base saved byte for byte; the size
// typed without Enter dropped; the up-down buttons undone from the menu; "@" and quotes in the cell
// editor; the export button; other users' enumerations read-only; the copy dialog; a bound text shown
// on the texts page.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/cp1251.h"
#include "app/paths.h"
#include "bases/setbase.h"
#include "support/tempfolder.h"
#include "ui/dictionarywindow.h"
#include "ui/modalhelper.h"
#include "ui/qtext.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {

class EnumerationsPageTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void init() {
        openWindow({});
        m_file = bases::SetBase::filePath(m_run->home().path());
        m_original = test::readFile(m_file);
        m_run->find<QTabWidget>("PageControl1")->setCurrentWidget(m_run->find<QWidget>("TabSheetEnums"));
        m_table = m_run->find<QTableView>("StringGridSets");
        m_size = m_run->find<QLineEdit>("editEnumSize");
    }
    void cleanup() { m_run.reset(); }

    void editAndSizeAreSavedOnLeavingAsExactlyThoseChanges() {
        choose("13");
        QAbstractItemModel* model = m_table->model();
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(model->setData(model->index(0, 2), QStringLiteral("Scalar mode")));
        QVERIFY(m_run->find<QPushButton>("btnSaveEnums")->isEnabled());
        m_size->setFocus();
        m_size->setText(QStringLiteral("4"));
        QTest::keyClick(m_size, Qt::Key_Return);
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->index(3, 0).data().toString(), QStringLiteral("3"));

        m_run->port = test::ScriptedMessagePort({app::MessageAnswer::Yes});
        m_run->find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QCOMPARE(m_run->port.asked().size(), std::size_t{1});
        QCOMPARE(toQString(m_run->port.asked()[0].text),
                 QString::fromUtf8("База перечислений была изменена.\nСохранить изменения?"));
        const std::string before = w("item_0=\"Скалярный@Scalar@Скал.@Scal.\"");
        const std::string after = w("item_0=\"Скалярный@Scalar mode@Скал.@Scal.\"");
        const std::string lastBefore = w("item_2=\"Момент@Torque@Мом.@Torq.\"/>");
        const std::string lastAfter = w("item_2=\"Момент@Torque@Мом.@Torq.\" item_3=\"\"/>");
        std::string expected = m_original;
        expected.replace(expected.find(before), before.size(), after);
        expected.replace(expected.find(lastBefore), lastBefore.size(), lastAfter);
        QCOMPARE(test::readFile(m_file), expected);
    }

    void untouchedBaseIsSavedByteForByte() {
        choose("13");
        QAbstractItemModel* model = m_table->model();
        const QString text = model->index(1, 1).data().toString();
        QVERIFY(model->setData(model->index(1, 1), QStringLiteral("x")));
        QVERIFY(model->setData(model->index(1, 1), text));
        QTest::keyClick(&m_run->window(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!m_run->find<QPushButton>("btnSaveEnums")->isEnabled());
        QCOMPARE(test::readFile(m_file), m_original);
        m_run->find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QCOMPARE(m_run->port.asked().size(), std::size_t{0});
    }

    // The size field keeps the focus after Enter, and the arrows take none: each click still shows
    // the new size and steps from it.
    void arrowsAfterATypedSizeStepFromTheShownSize() {
        choose("13");
        m_size->setFocus();
        QVERIFY(m_size->hasFocus());
        m_size->selectAll();
        QTest::keyClicks(m_size, "5");
        QTest::keyClick(m_size, Qt::Key_Return);
        QCOMPARE(m_table->model()->rowCount(), 5);
        const struct {
            const char* button;
            int size;
        } clicks[] = {{"udEnumSizeUp", 6}, {"udEnumSizeUp", 7}, {"udEnumSizeDown", 6}};
        for (const auto& click : clicks) {
            QTest::mouseClick(m_run->find<QToolButton>(click.button), Qt::LeftButton);
            QVERIFY(m_size->hasFocus());
            QCOMPARE(m_table->model()->rowCount(), click.size);
            QCOMPARE(m_size->text(), QString::number(click.size));
        }
    }

    void sizeTypedWithoutEnterIsDroppedAndButtonsAreUndone() {
        choose("13");
        m_size->setFocus();
        m_size->setText(QStringLiteral("5"));
        m_table->setFocus();
        QCOMPARE(m_size->text(), QStringLiteral("3"));
        QCOMPARE(m_table->model()->rowCount(), 3);
        QVERIFY(!m_run->find<QPushButton>("btnSaveEnums")->isEnabled());

        m_run->find<QToolButton>("udEnumSizeUp")->click();
        QCOMPARE(m_table->model()->rowCount(), 4);
        QCOMPARE(m_size->text(), QStringLiteral("4"));
        auto* undo = m_run->find<QAction>("N_Undo");
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QString::fromUtf8("Отменить: изменение размера перечисления №13"));
        undo->trigger();
        QCOMPARE(m_table->model()->rowCount(), 3);
        QCOMPARE(m_size->text(), QStringLiteral("3"));
        QVERIFY(!m_run->find<QPushButton>("btnSaveEnums")->isEnabled());
    }

    void cellEditorDropsSeparatorsAndRefusesQuotes() {
        choose("13");
        m_table->setFocus();
        QLineEdit* editor = openEditor(2, 4);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "T@q'");
        QCOMPARE(editor->text(), QStringLiteral("Tq"));
        QTRY_COMPARE(m_run->port.asked().size(), std::size_t{1});
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor's text is written once the event loop runs.
        QTRY_COMPARE(m_table->model()->index(2, 4).data().toString(), QStringLiteral("Tq"));
    }

    // The refusal's message box takes the focus from the editor: the editor stays open with what
    // was typed and is neither written nor refused a second time.
    void quoteUnderAMessageBoxIsRefusedOnceAndTheEditorKeepsItsText() {
        choose("13");
        m_run->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_run->window()));
        QPointer<QLineEdit> editor = openEditor(2, 4);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "Tq");
        test::showMessagesModally(m_run->port);
        QTest::keyClick(editor, '\'');
        QTRY_COMPARE(m_run->port.asked().size(), std::size_t{1});
        QTest::qWait(50);
        QCOMPARE(m_run->port.asked().size(), std::size_t{1});
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("Tq"));
        QCOMPARE(m_table->model()->index(2, 4).data().toString(), QStringLiteral("Torq."));

        QApplication::clipboard()->setText(QStringLiteral("ue's"));
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text(), QStringLiteral("Tques"));
        QTRY_COMPARE(m_run->port.asked().size(), std::size_t{2});
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(m_table->model()->index(2, 4).data().toString(), QStringLiteral("Tques"));
    }

    void ctrlSSavesWhatTheOpenEditorHolds() {
        choose("13");
        QLineEdit* editor = openEditor(0, 2);
        QVERIFY(editor);
        editor->setText(QStringLiteral("Scalar mode"));
        QTest::keyClick(&m_run->window(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(test::readFile(m_file).find("Scalar mode") != std::string::npos);
        QVERIFY(!m_run->find<QPushButton>("btnSaveEnums")->isEnabled());
    }

    // The export commits the open editor, saves the modified base and exports it with the edit.
    void exportButtonWritesWhatTheOpenEditorHolds() {
        choose("13");
        QLineEdit* editor = openEditor(0, 2);
        QVERIFY(editor);
        editor->setText(QStringLiteral("Scalar mode"));
        const std::filesystem::path exported = m_run->home().path() / "coTextBase.xml";
        m_run->dialogs.answer(app::pathText(exported));
        auto* button = m_run->find<QPushButton>("btnExportToFile2");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_run->dialogs.asked().size(), std::size_t{1});
        QVERIFY(test::readFile(exported).find("Scalar mode") != std::string::npos);
        QVERIFY(test::readFile(m_file).find("Scalar mode") != std::string::npos);
        QVERIFY(!m_run->find<QPushButton>("btnSaveEnums")->isEnabled());
        QVERIFY(button->isEnabled());
    }

    void otherUsersEnumerationIsReadOnly() {
        m_run->find<QCheckBox>("CheckBoxShowAllSets")->setChecked(true);
        choose("6");
        QVERIFY(!m_size->isEnabled());
        QVERIFY(!m_run->find<QPushButton>("ButtonSetAuthor")->isEnabled());
        QVERIFY(!(m_table->model()->flags(m_table->model()->index(2, 1)) & Qt::ItemIsEditable));
        QCOMPARE(m_run->find<QLabel>("labelEnumAuthor2")->text(), QString::fromUtf8("Автор: Петров"));
        QCOMPARE(m_run->find<QLabel>("labelEnumAuthor2")->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    void copyGoesIntoTheEmptyEnumerationWithoutAQuestion() {
        QTest::mouseClick(m_run->find<QPushButton>("btnAddNewEnum"), Qt::LeftButton);
        QVERIFY(selector()->currentText().startsWith(QStringLiteral("57: ")));
        // A new enumeration has two empty items; with one it counts as empty.
        m_size->setText(QStringLiteral("1"));
        QTest::keyClick(m_size, Qt::Key_Return);
        choose("12");
        test::whenShown(
            "FormCopySet", [](QWidget*) { return true; },
            [](QWidget* dialog) {
                auto* targets = dialog->findChild<QListWidget*>("ListBoxSets");
                targets->setCurrentRow(targets->count() - 1);
                dialog->findChild<QPushButton*>("ButtonPaste")->click();
            });
        QTest::mouseClick(m_run->find<QPushButton>("btnCopyEnum"), Qt::LeftButton);
        QCOMPARE(m_run->port.asked().size(), std::size_t{0});
        QCOMPARE(selector()->currentText(), QString::fromUtf8("57: Выкл/Вкл"));
        QCOMPARE(m_table->model()->index(1, 2).data().toString(), QStringLiteral("On"));
    }

    // The list's focus makes its first entry current without choosing it: "Вставить" and Enter
    // paste nothing until the user chooses a target.
    void copyWithoutAChosenTargetPastesNothing() {
        choose("12");
        bool stayedOpen = false;
        test::whenShown(
            "FormCopySet", [](QWidget* dialog) { return QApplication::activeWindow() == dialog; },
            [&stayedOpen](QWidget* dialog) {
                auto* targets = dialog->findChild<QListWidget*>("ListBoxSets");
                targets->setFocus();
                QTest::keyClick(targets, Qt::Key_Return);
                dialog->findChild<QPushButton*>("ButtonPaste")->click();
                stayedOpen = dialog->isVisible();
                dialog->findChild<QPushButton*>("ButtonCancel")->click();
            });
        QTest::mouseClick(m_run->find<QPushButton>("btnCopyEnum"), Qt::LeftButton);
        QVERIFY(stayedOpen);
        QCOMPARE(m_run->port.asked().size(), std::size_t{0});
        QCOMPARE(selector()->currentText(), QString::fromUtf8("12: Выкл/Вкл"));
        QVERIFY(!m_run->window().workspace().setsDocument.canUndo());
    }

    // An unbinding changes the text base; undo on the page takes it back before the page's earlier
    // edit of the enumeration base.
    void undoOnThePageTakesBackItsLastChangeWhicheverBaseItTouched() {
        choose("13");
        auto* bound = m_run->find<QTableView>("sgBindedTexts");
        QCOMPARE(bound->model()->rowCount(), 1);
        QVERIFY(m_table->model()->setData(m_table->model()->index(0, 2), QStringLiteral("Scalar mode")));
        emit bound->customContextMenuRequested(bound->visualRect(bound->model()->index(0, 1)).center());
        m_run->find<QAction>("menuUnbinText")->trigger();
        m_run->find<QMenu>("pmBindedTexts")->hide();
        QCOMPARE(bound->model()->rowCount(), 0);

        auto* undo = m_run->find<QAction>("N_Undo");
        QCOMPARE(undo->text(), QString::fromUtf8("Отменить: отвязка текста №29 от перечисления"));
        undo->trigger();
        QCOMPARE(bound->model()->rowCount(), 1);
        QCOMPARE(m_table->model()->index(0, 2).data().toString(), QStringLiteral("Scalar mode"));
        QCOMPARE(undo->text(), QString::fromUtf8("Отменить: правка перечисления №13"));
        undo->trigger();
        QCOMPARE(m_table->model()->index(0, 2).data().toString(), QStringLiteral("Scalar"));
        QVERIFY(!undo->isEnabled());
    }

    void authorChangeGivesTheEnumerationAway() {
        choose("13");
        QString hint;
        test::whenShown(
            "FormChangeAuthor", [](QWidget*) { return true; },
            [&hint](QWidget* dialog) {
                hint = dialog->findChild<QLabel*>("LabelHint")->text();
                dialog->findChild<QLineEdit*>("EditUser")->setText(QString::fromUtf8("Петров"));
                dialog->findChild<QPushButton*>("ButtonOK")->click();
            });
        m_run->find<QPushButton>("ButtonSetAuthor")->click();
        QCOMPARE(hint,
                 QString::fromUtf8("Вы собираетесь сменить автора для перечисления \"Скалярный/...\" под номером 13."));
        QCOMPARE(m_run->find<QLabel>("labelEnumAuthor2")->text(), QString::fromUtf8("Автор: Петров"));
        QVERIFY(!m_size->isEnabled());
        QVERIFY(!(m_table->model()->flags(m_table->model()->index(0, 1)) & Qt::ItemIsEditable));
    }

    void boundEnumerationOfATextIsShownHere() {
        auto* pages = m_run->find<QTabWidget>("PageControl1");
        pages->setCurrentWidget(m_run->find<QWidget>("TabSheetTexts"));
        auto* texts = m_run->find<QTableView>("StringGridTexts");
        int row = 0;
        while (row < texts->model()->rowCount() && texts->model()->index(row, 0).data() != QStringLiteral("29")) ++row;
        QVERIFY(row < texts->model()->rowCount());
        texts->setCurrentIndex(texts->model()->index(row, 1));
        auto* items = m_run->find<QTableView>("sgBindedEnum");
        QCOMPARE(items->model()->rowCount(), 3);
        doubleClick(items, items->model()->index(1, 1));
        QCOMPARE(pages->currentWidget(), m_run->find<QWidget>("TabSheetEnums"));
        QVERIFY(selector()->currentText().startsWith(QStringLiteral("13: ")));
        QCOMPARE(m_table->model()->rowCount(), 3);
    }

    void boundTextIsShownOnTheTextsPage() {
        choose("13");
        auto* bound = m_run->find<QTableView>("sgBindedTexts");
        QCOMPARE(bound->model()->rowCount(), 1);
        QCOMPARE(m_run->find<QLabel>("labelBindedTexts")->text(), QString::fromUtf8("Привязанные тексты"));
        const QModelIndex text = bound->model()->index(0, 1);
        doubleClick(bound, text);
        QCOMPARE(m_run->find<QTabWidget>("PageControl1")->currentWidget(), m_run->find<QWidget>("TabSheetTexts"));
        auto* texts = m_run->find<QTableView>("StringGridTexts");
        QCOMPARE(texts->model()->index(texts->currentIndex().row(), 0).data().toString(), QStringLiteral("29"));
    }

private:
    static std::string w(const char* utf8) { return cp1251::fromUtf8(utf8); }
    // A double click as the system gives it: a click, then the second press as a double click.
    static void doubleClick(QTableView* table, const QModelIndex& index) {
        const QPoint at = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    }
    QComboBox* selector() const { return m_run->find<QComboBox>("CBSet"); }
    // The cell editor opened on an item cell, as a double click opens it.
    QLineEdit* openEditor(int row, int column) {
        const QModelIndex cell = m_table->model()->index(row, column);
        m_table->setCurrentIndex(cell);
        m_table->edit(cell);
        return m_table->viewport()->findChild<QLineEdit*>();
    }
    void choose(const char* number) {
        const int entry = selector()->findText(QString::fromLatin1(number) + QStringLiteral(":"), Qt::MatchStartsWith);
        QVERIFY(entry >= 0);
        selector()->setCurrentIndex(entry);
    }

    std::filesystem::path m_file;
    std::string m_original;
    QTableView* m_table = nullptr;
    QLineEdit* m_size = nullptr;
};

TABRIN_UI_TEST(EnumerationsPageTest)

}  // namespace tabrin::ui

#include "enumerationspage_test.moc"
