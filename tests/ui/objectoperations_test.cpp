// The object operations through the window on a profile with a base and two configurations: the
// create dialog (also on an empty profile and with every row filtered out), the copies from the
// menu, the shortcuts and the Alt and Ctrl clicks, delete with its questions, renumbering, dragging
// rows, range selection with Shift and none by header clicks, and undo and redo from the menu
// "Правка". After each change the table shows what a fresh open of the saved file shows.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "ui/dictionarywindow.h"
#include "ui/modalhelper.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

using app::MessageAnswer;

QString utf8(const char* text) { return QString::fromUtf8(text); }

std::filesystem::path fixture() {
    return std::filesystem::path(TEST_DATA_DIR) / "editing" / "three_configurations.xml";
}

}  // namespace

class ObjectOperationsTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void init() { openWindow(fixture()); }

    void cleanup() { m_run.reset(); }

    void createProposesTheNextSubindexAndSelectsTheRowBelowTheTemplate() {
        const int templateRow = row("2000h", "01h");
        clickCell(templateRow, 3);
        QString proposedIndex;
        QString proposedSubindex;
        test::whenShown(
            "FormNewObject", [](QWidget*) { return true; },
            [&](QWidget* dialog) {
                proposedIndex = dialog->findChild<QLineEdit*>("EditIndex")->text();
                proposedSubindex = dialog->findChild<QLineEdit*>("EditSubindex")->text();
                QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
            });
        m_run->find<QPushButton>("ButtonNewObject")->click();

        QCOMPARE(proposedIndex, QStringLiteral("2000h"));
        QCOMPARE(proposedSubindex, QStringLiteral("02h"));
        QCOMPARE(row("2000h", "02h", 1), templateRow + 2);
        QCOMPARE(m_view->currentIndex().row(), templateRow + 1);
        QCOMPARE(m_view->currentIndex().column(), 1);
        QVERIFY(log().find("New object added: 2000h.02h") != std::string::npos);
        QVERIFY(m_run->window().windowTitle().contains(QLatin1Char('*')));
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: создание объекта 2000h.02h"));
        const int created = row("2000h", "02h", 1);
        QCOMPARE(cell(created, 6), utf8("не задан"));
        QList<QStringList> fresh;
        readFreshOpen(fresh);
        // Read back, an object without a format has the format word 0, which describes no format.
        QCOMPARE(fresh.at(created).at(6), QString());
        fresh[created][6] = utf8("не задан");
        QCOMPARE(tableTexts(), fresh);
    }

    void createMakesTheFirstObjectOfAnEmptyProfile() {
        m_run.reset();
        openWindow(std::filesystem::path(TEST_DATA_DIR) / "editing" / "empty_base.xml");
        QCOMPARE(m_view->model()->rowCount(), 0);
        QString proposed;
        test::whenShown(
            "FormNewObject", [](QWidget*) { return true; },
            [&](QWidget* dialog) {
                proposed = dialog->findChild<QLineEdit*>("EditIndex")->text() + QLatin1Char('.') +
                           dialog->findChild<QLineEdit*>("EditSubindex")->text();
                QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
            });
        m_run->find<QPushButton>("ButtonNewObject")->click();
        QCOMPARE(proposed, QStringLiteral("2000h.00h"));
        QCOMPARE(m_view->model()->rowCount(), 1);
        QCOMPARE(row("2000h", "00h"), 0);
        QCOMPARE(cell(0, 6), utf8("не задан"));
        QCOMPARE(cell(0, 8), utf8("ВНЕ ГРУПП"));
        QCOMPARE(m_view->currentIndex().row(), 0);
        QVERIFY(log().find("New object added: 2000h.00h") != std::string::npos);
        QVERIFY(m_run->port.asked().empty());
    }

    void createWithEveryRowFilteredOutSaysWhy() {
        m_run->find<QLineEdit>("EditRangeBegin")->setText(QStringLiteral("5000"));
        m_run->find<QCheckBox>("CheckBoxRange")->click();
        QCOMPARE(m_view->model()->rowCount(), 0);
        bool dialogShown = false;
        QTimer::singleShot(0, [&dialogShown] {
            if (QWidget* dialog = test::shownWindow("FormNewObject")) {
                dialogShown = true;
                dialog->close();
            }
        });
        m_run->find<QPushButton>("ButtonNewObject")->click();
        QCoreApplication::processEvents();
        QVERIFY(!dialogShown);
        QCOMPARE(m_run->port.asked().size(), std::size_t(1));
        QCOMPARE(toQString(m_run->port.asked()[0].text),
                 utf8("Фильтр скрывает все строки словаря, а новый элемент создаётся по образцу выделенной строки. "
                      "Выключите или измените фильтр (по группе и по диапазону)."));
        QVERIFY(!menuItem("N_Undo")->isEnabled());
    }

    void cancelledCreateChangesNothing() {
        const QList<QStringList> before = tableTexts();
        test::whenShown(
            "FormNewObject", [](QWidget*) { return true; },
            [](QWidget* dialog) {
                QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
            });
        m_run->find<QPushButton>("ButtonNewObject")->click();
        QCOMPARE(tableTexts(), before);
        QVERIFY(!menuItem("N_Undo")->isEnabled());
    }

    void copyOfABaseObjectInAConfigurationOverridesItThereOnly() {
        m_run->find<QListWidget>("ListBoxConfigurations")->setCurrentRow(1);
        const int base = row("2000h", "03h");
        QCOMPARE(background(base), base % 2 == 0 ? QColor(230, 240, 250) : QColor(250, 250, 255));
        openMenu(base);
        QVERIFY(menuItem("N_Copy")->isVisible());
        QVERIFY(!menuItem("N_Renumber")->isEnabled());
        QVERIFY(menuItem("N_MoveTo")->isVisible());
        menuItem("N_Copy")->trigger();
        const int copy = row("2000h", "03h");
        QCOMPARE(copy, base);
        QCOMPARE(row("2000h", "03h", 1), -1);
        QCOMPARE(background(copy), copy % 2 == 0 ? QColor(255, 156, 135) : QColor(255, 190, 176));
        showsWhatAFreshOpenShows();
    }

    void incrementCopiesByShortcutAndByClicks() {
        hover(row("20FFh", "03h"));
        QTest::keyClick(m_view, Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(row("2100h", "03h") >= 0);
        QVERIFY(log().find("Object #6 [20FFh.03h] was copied with increment of index via context menu") !=
                std::string::npos);

        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier,
                          cellCentre(row("2000h", "01h"), 3));
        QVERIFY(row("2001h", "01h") >= 0);
        QVERIFY(row("2000h", "02h", 1) >= 0);
        QVERIFY(log().find("was copied with increment of subindex") != std::string::npos);
        showsWhatAFreshOpenShows();
    }

    void rootDeleteAnsweredYesAndItsUndo() {
        const int root = row("3000h", "00h");
        const int rows = m_view->model()->rowCount();
        m_run->port = test::ScriptedMessagePort({MessageAnswer::Yes});
        openMenu(root);
        QVERIFY(menuItem("N_Renumber")->isEnabled());
        menuItem("N_Delete")->trigger();
        QCOMPARE(m_view->model()->rowCount(), rows - 4);
        QVERIFY(log().find("Root object #8 [3000h.00h] (and it's subindexes) deleted via context menu") !=
                std::string::npos);
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: удаление 4 объектов"));
        showsWhatAFreshOpenShows();

        menuItem("N_Undo")->trigger();
        QCOMPARE(m_view->model()->rowCount(), rows);
        QCOMPARE(selectedRows(), (QList<int>{root, root + 1, root + 2, root + 3}));
        QVERIFY(log().find("Undo: Root object #8 [3000h.00h] (and it's subindexes) deleted via context menu") !=
                std::string::npos);
        QVERIFY2(m_run->window().windowTitle().contains(QLatin1Char('*')), "undo across the save");
        QCOMPARE(menuItem("N_Redo")->text(), utf8("Повторить: удаление 4 объектов"));
        QCOMPARE(m_run->port.asked().size(), std::size_t(1));
        showsWhatAFreshOpenShows();

        QTest::keyClick(m_view, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(m_view->model()->rowCount(), rows - 4);
        QCOMPARE(m_run->port.asked().size(), std::size_t(1));  // redo asks nothing
        QTest::keyClick(m_view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_view->model()->rowCount(), rows);
        QTest::keyClick(m_view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_view->model()->rowCount(), rows - 4);
    }

    void fiveRowsAnsweredNoChangeNothing() {
        const int first = row("2000h", "00h");
        clickCell(first, 3);
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(first + 4, 3));
        QCOMPARE(selectedRows().size(), 5);
        const QList<QStringList> before = tableTexts();
        m_run->port = test::ScriptedMessagePort({MessageAnswer::No});
        openMenu(first + 2);
        menuItem("N_Delete")->trigger();
        QCOMPARE(toQString(m_run->port.asked().at(0).text),
                 utf8("Выделено несколько объектов. Хотите удалить их все?"));
        QCOMPARE(tableTexts(), before);
        QVERIFY(!menuItem("N_Undo")->isEnabled());
        QVERIFY(!m_run->window().windowTitle().contains(QLatin1Char('*')));
    }

    void headerClicksSortAndSelectNothing() {
        const int first = row("2000h", "01h");
        clickCell(first, 3);
        const QList<QStringList> texts = tableTexts();
        const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
        QHeaderView* horizontal = m_view->horizontalHeader();
        QTest::mouseClick(
            horizontal->viewport(), Qt::LeftButton, {},
            QPoint(horizontal->sectionViewportPosition(3) + horizontal->sectionSize(3) / 2, horizontal->height() / 2));
        QCOMPARE(m_view->selectionModel()->selectedIndexes(), selected);
        QHeaderView* vertical = m_view->verticalHeader();
        QTest::mouseClick(vertical->viewport(), Qt::LeftButton, {},
                          QPoint(vertical->width() / 2,
                                 vertical->sectionViewportPosition(first + 2) + vertical->sectionSize(first + 2) / 2));
        QCOMPARE(m_view->selectionModel()->selectedIndexes(), selected);
        QCOMPARE(tableTexts(), texts);
    }

    void aPlainDragSelectsNoRange() {
        const int first = row("2000h", "00h");
        press(first, 3, {});
        move(first + 3, 3, Qt::LeftButton, {});
        release(first + 3, 3, {});
        QCOMPARE(selectedRows(), QList<int>{first});
    }

    void draggingARowRenumbersTheSubindexesBetween() {
        drag(row("2000h", "04h"), row("2000h", "02h"));
        QCOMPARE(cell(row("2000h", "02h"), 3), QStringLiteral("Motor 4"));
        QCOMPARE(cell(row("2000h", "03h"), 3), QStringLiteral("Motor 2"));
        QCOMPARE(cell(row("2000h", "04h"), 3), QStringLiteral("Motor 3"));
        QVERIFY(log().find("Subindex of object #5 [2000h.04h] changed to 02h (by mouse dragging)") !=
                std::string::npos);
        showsWhatAFreshOpenShows();
        menuItem("N_Undo")->trigger();
        QCOMPARE(cell(row("2000h", "04h"), 3), QStringLiteral("Motor 4"));
        showsWhatAFreshOpenShows();
    }

    void draggingWithAFilterOnIsRefused() {
        m_run->find<QCheckBox>("CheckBoxRange")->click();
        const QList<QStringList> before = tableTexts();
        drag(row("2000h", "04h"), row("2000h", "02h"));
        QCOMPARE(m_run->port.asked().size(), std::size_t(1));
        QCOMPARE(toQString(m_run->port.asked()[0].caption), utf8("Ошибка"));
        QCOMPARE(toQString(m_run->port.asked()[0].text),
                 utf8("\"Перетаскивание\" подындексов возможно только при выключенных фильтрах (по группе и по "
                      "диапазону)."));
        QCOMPARE(tableTexts(), before);
    }

    void renumberingAndCopyingWithSubindexesFromTheMenu() {
        openMenu(row("3100h", "00h"));
        menuItem("N_Renumber")->trigger();
        QCOMPARE(cell(row("3100h", "03h"), 3), QStringLiteral("Gap 7"));
        QCOMPARE(row("3100h", "07h"), -1);

        test::whenShown(
            "FormCopyWithSubindexes", [](QWidget*) { return true; },
            [](QWidget* dialog) {
                auto* index = dialog->findChild<QLineEdit*>("EditNewIndex");
                QTest::keyClicks(index, QStringLiteral("3a0x0"));
                QTest::keyClick(index, Qt::Key_Return);
            });
        hover(row("3000h", "00h"));
        QTest::keyClick(m_view, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(cell(row("3A00h", "00h"), 6), utf8("Корневой"));
        QVERIFY(row("3A00h", "03h") >= 0);
        showsWhatAFreshOpenShows();
    }

    void objectPathGoesToTheClipboard() {
        openMenu(row("2000h", "01h"));
        menuItem("N_CopyPath")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("'' --> 'Motor 1 [2000.01]'"));
        QVERIFY(!menuItem("N_Undo")->isEnabled());
    }

    void editMenuStandsBetweenFileAndService() {
        QStringList titles;
        for (const QAction* action : m_run->window().menuBar()->actions()) titles << action->text();
        QCOMPARE(titles.mid(0, 3), (QStringList{utf8("Файл"), utf8("Правка"), utf8("Сервис")}));
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить"));
        QVERIFY(!menuItem("N_Redo")->isEnabled());
    }
};

TABRIN_UI_TEST(ObjectOperationsTest)

}  // namespace tabrin::ui

#include "objectoperations_test.moc"
