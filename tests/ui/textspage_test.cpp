// The texts page in the window: filter, an edit undone from the menu, the quote refused at the key,
// a text added, the save button following the modified flag, the bound enumeration (also one
// missing from the base), the wheel, and leaving the page saving the base so that the file changes
// by exactly the edits made; an untouched base saved byte for byte.
#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include "app/cp1251.h"
#include "app/paths.h"
#include "bases/textbase.h"
#include "support/tempfolder.h"
#include "ui/modalhelper.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {

class TextsPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_run = std::make_unique<test::OpenedWindow>();
        m_run->find<QTabWidget>("PageControl1")->setCurrentWidget(m_run->find<QWidget>("TabSheetTexts"));
        m_table = m_run->find<QTableView>("StringGridTexts");
    }
    void cleanup() { m_run.reset(); }

    void filterListsMatchingOwnTexts() {
        QAbstractItemModel* model = m_table->model();
        QVERIFY(model->rowCount() > 1);
        m_run->find<QLineEdit>("editTextsFilter")->setText(QStringLiteral("zzzz"));
        QCOMPARE(model->rowCount(), 0);
        m_run->find<QLineEdit>("editTextsFilter")->setText(QString::fromUtf8("  УСТРОЙСТВА "));
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->index(0, 1).data().toString(), QString::fromUtf8("Тип устройства"));
    }

    void editIsUndoneFromTheMenu() {
        QAbstractItemModel* model = m_table->model();
        const QModelIndex cell = model->index(0, 2);
        const QString before = cell.data().toString();
        auto* save = m_run->find<QPushButton>("btnSaveTexts");
        QVERIFY(!save->isEnabled());
        QVERIFY(model->setData(cell, QStringLiteral("Changed")));
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("Changed"));
        QVERIFY(save->isEnabled());
        auto* undo = m_run->find<QAction>("N_Undo");
        QVERIFY(undo->isEnabled());
        QVERIFY(undo->text().startsWith(QString::fromUtf8("Отменить: правка текста №")));
        undo->trigger();
        QCOMPARE(model->index(0, 2).data().toString(), before);
        QVERIFY(!save->isEnabled());
    }

    void quoteAndOtherColumnsAreRefused() {
        QAbstractItemModel* model = m_table->model();
        QVERIFY(!model->setData(model->index(0, 1), QStringLiteral("it's")));
        QCOMPARE(m_run->port.asked().size(), std::size_t{1});
        QVERIFY(!(model->flags(model->index(0, 4)) & Qt::ItemIsEditable));
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(model->flags(model->index(0, 3)) & Qt::ItemIsEditable);
    }

    // A quote typed into a text is refused at the key, once, under a real message box; the rest of
    // the typing stays in the editor and Enter writes it.
    void quoteIsRefusedAtTheKeyAndTheRestOfTheTypingKept() {
        m_run->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_run->window()));
        const QModelIndex english = m_table->model()->index(0, 2);
        m_table->setCurrentIndex(english);
        m_table->edit(english);
        QPointer<QLineEdit> editor = qobject_cast<QLineEdit*>(m_table->indexWidget(english));
        QVERIFY(editor);
        editor->selectAll();
        test::showMessagesModally(m_run->port);
        QTest::keyClicks(editor, "Drive's type");
        QTRY_COMPARE(m_run->port.asked().size(), std::size_t{1});
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("Drives type"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(m_table->model()->index(0, 2).data().toString(), QStringLiteral("Drives type"));
        QCOMPARE(m_run->port.asked().size(), std::size_t{1});
    }

    void leavingSavesExactlyTheAddedText() {
        const std::filesystem::path file = bases::TextBase::filePath(m_run->home().path());
        const std::string original = test::readFile(file);
        const int rows = m_table->model()->rowCount();
        QTest::mouseClick(m_run->find<QPushButton>("btnAddNewText"), Qt::LeftButton);
        QCOMPARE(m_table->model()->rowCount(), rows + 1);
        QCOMPARE(m_table->currentIndex().row(), rows);
        m_run->port = test::ScriptedMessagePort({app::MessageAnswer::Yes});
        m_run->find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QCOMPARE(m_run->port.asked().size(), std::size_t{1});
        QCOMPARE(toQString(m_run->port.asked()[0].text),
                 QString::fromUtf8("База текстов была изменена.\nСохранить изменения?"));
        const std::string saved = test::readFile(file);
        const std::string end = "\t</Texts>";
        const std::size_t cut = original.find(end);
        QVERIFY(cut != std::string::npos);
        const std::string number = m_table->model()->index(rows, 0).data().toString().toStdString();
        const std::string added = "\t\t<text_" + number + " id=\"" + number + "\" textid=\"" + number +
                                  "\" text=\"\" sets=\"0\" trus=\"\" teng=\"\" author=\"" +
                                  cp1251::fromUtf8("Иванов") + "\"/>\n";
        QCOMPARE(saved, original.substr(0, cut) + added + original.substr(cut));
    }

    // The full round: an own text edited in its cell editor, another user's text refused, a text
    // added and bound to an enumeration, the page left answering Yes.
    void editsAddsBindsAndSavesExactlyThoseChanges() {
        const std::filesystem::path file = bases::TextBase::filePath(m_run->home().path());
        const std::string original = test::readFile(file);
        QAbstractItemModel* model = m_table->model();

        const QModelIndex english = model->index(0, 2);
        QCOMPARE(english.data().toString(), QStringLiteral("Device type"));
        m_table->setCurrentIndex(english);
        m_table->edit(english);
        auto* editor = qobject_cast<QLineEdit*>(m_table->indexWidget(english));
        QVERIFY(editor);
        editor->setText(QStringLiteral("Device kind"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(model->index(0, 2).data().toString(), QStringLiteral("Device kind"));

        m_run->find<QCheckBox>("CheckBoxShowAllTexts")->setChecked(true);
        const int other = rowOfAuthor(QString::fromUtf8("Петров"));
        QVERIFY(other >= 0);
        const QModelIndex othersText = model->index(other, 1);
        m_table->setCurrentIndex(othersText);
        m_table->edit(othersText);
        QVERIFY(!m_table->indexWidget(othersText));
        QVERIFY(!model->setData(othersText, QStringLiteral("x")));
        m_run->find<QCheckBox>("CheckBoxShowAllTexts")->setChecked(false);

        const int rows = model->rowCount();
        QTest::mouseClick(m_run->find<QPushButton>("btnAddNewText"), Qt::LeftButton);
        QCOMPARE(m_table->currentIndex().row(), rows);
        const std::string number = model->index(rows, 0).data().toString().toStdString();
        // A text without texts loses its binding when saved: the new one gets its English text first.
        QVERIFY(model->setData(model->index(rows, 2), QStringLiteral("Direction")));
        auto* binding = m_run->find<QComboBox>("cbBindedEnum");
        QCOMPARE(binding->currentIndex(), 0);
        const int entry = binding->findData(QStringLiteral("12"));
        QVERIFY(entry > 0);
        binding->setCurrentIndex(entry);
        emit binding->activated(entry);
        QCOMPARE(binding->currentText(), QString::fromUtf8("12: Выкл/Вкл"));
        QCOMPARE(m_run->find<QLabel>("labelEnumAuthor1")->text(), QString::fromUtf8("Автор: Иванов"));
        auto* items = m_run->find<QTableWidget>("sgBindedEnum");
        QCOMPARE(items->rowCount(), 2);
        QCOMPARE(items->item(1, 1)->text(), QString::fromUtf8("Вкл"));
        QCOMPARE(items->item(1, 2)->text(), QStringLiteral("On"));
        QCOMPARE(items->editTriggers(), QAbstractItemView::NoEditTriggers);

        m_run->port = test::ScriptedMessagePort({app::MessageAnswer::Yes});
        m_run->find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QCOMPARE(m_run->port.asked().size(), std::size_t{1});
        std::string expected = original;
        const std::string edited = "teng=\"Device type\"";
        QCOMPARE(expected.find(edited), expected.rfind(edited));
        expected.replace(expected.find(edited), edited.size(), "teng=\"Device kind\"");
        const std::string added = "\t\t<text_" + number + " id=\"" + number + "\" textid=\"" + number +
                                  "\" text=\"\" sets=\"12\" trus=\"\" teng=\"Direction\" author=\"" +
                                  cp1251::fromUtf8("Иванов") + "\"/>\n";
        expected.insert(expected.find("\t</Texts>"), added);
        QCOMPARE(test::readFile(file), expected);
    }

    void untouchedBaseIsSavedByteForByte() {
        const std::filesystem::path file = bases::TextBase::filePath(m_run->home().path());
        const std::string original = test::readFile(file);
        std::filesystem::remove(file);
        m_run->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_run->window()));
        m_table->setFocus();
        QTest::keyClick(m_table, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(test::readFile(file), original);
        m_run->find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QVERIFY(m_run->port.asked().empty());
    }

    // Ctrl+S while a cell editor is open saves what the editor holds.
    void saveCommitsTheOpenEditorFirst() {
        const std::filesystem::path file = bases::TextBase::filePath(m_run->home().path());
        m_run->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_run->window()));
        const QModelIndex english = m_table->model()->index(0, 2);
        m_table->setCurrentIndex(english);
        m_table->edit(english);
        auto* editor = qobject_cast<QLineEdit*>(m_table->indexWidget(english));
        QVERIFY(editor);
        editor->setText(QStringLiteral("Typed, not entered"));
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(test::readFile(file).find("teng=\"Typed, not entered\"") != std::string::npos);
        QVERIFY(!m_table->indexWidget(english));
        QVERIFY(!m_run->find<QPushButton>("btnSaveTexts")->isEnabled());
    }

    void exportButtonWritesTheChosenFile() {
        const std::filesystem::path exported = m_run->home().path() / "coTextBase.xml";
        m_run->dialogs.answer(app::pathText(exported));
        auto* button = m_run->find<QPushButton>("btnExportToFile1");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_run->dialogs.asked().size(), std::size_t{1});
        QCOMPARE(m_run->dialogs.asked()[0].startPath, app::pathText(exported));
        QVERIFY(test::readFile(exported).find("<param name=\"") != std::string::npos);
        QVERIFY(button->isEnabled());
        QVERIFY(m_run->port.asked().empty());
    }

    // A text bound to an enumeration the base lacks keeps its binding until another entry is chosen.
    void missingEnumerationIsShownAndKeptUntilChosen() {
        auto& sets = m_run->window().workspace().sets.elements();
        sets.erase(
            std::find_if(sets.begin(), sets.end(), [](const bases::SetBaseElement& set) { return set.id == "12"; }));
        m_run->find<QLineEdit>("editTextsFilter")->setText(QStringLiteral("Reverse"));
        QCOMPARE(m_table->model()->rowCount(), 1);
        auto* binding = m_run->find<QComboBox>("cbBindedEnum");
        QCOMPARE(binding->currentText(), QString::fromUtf8("№ 12 (нет в базе)"));
        QCOMPARE(m_run->find<QTableWidget>("sgBindedEnum")->rowCount(), 0);
        QCOMPARE(m_run->find<QLabel>("labelEnumAuthor1")->text(), QString());
        auto* save = m_run->find<QPushButton>("btnSaveTexts");
        QVERIFY(!save->isEnabled());
        m_table->setCurrentIndex(m_table->model()->index(0, 2));
        QCOMPARE(binding->currentText(), QString::fromUtf8("№ 12 (нет в базе)"));
        QVERIFY(!save->isEnabled());
        binding->setCurrentIndex(0);
        emit binding->activated(0);
        QVERIFY(save->isEnabled());
        QCOMPARE(m_run->window().workspace().texts.elements()[10].sets, "0");
    }

    void wheelScrollsOneRowPerNotch() {
        m_run->find<QCheckBox>("CheckBoxShowAllTexts")->setChecked(true);
        m_run->window().resize(1100, 400);
        QScrollBar* rows = m_table->verticalScrollBar();
        QTRY_VERIFY(rows->maximum() > 3);
        rows->setValue(0);
        const QPointF centre = QPointF(m_table->viewport()->rect().center());
        QWheelEvent wheel(centre, m_table->viewport()->mapToGlobal(centre), {}, {0, -240}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_table->viewport(), &wheel);
        QCOMPARE(rows->value(), 2);
    }

private:
    int rowOfAuthor(const QString& author) const {
        for (int row = 0; row < m_table->model()->rowCount(); ++row) {
            if (m_table->model()->index(row, 4).data().toString() == author) return row;
        }
        return -1;
    }

    std::unique_ptr<test::OpenedWindow> m_run;
    QTableView* m_table = nullptr;
};

TABRIN_UI_TEST(TextsPageTest)

}  // namespace tabrin::ui

#include "textspage_test.moc"
