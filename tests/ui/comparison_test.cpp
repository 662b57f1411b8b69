// The comparison window opened from the dictionary page: the lines of a comparison with a file and
// with the base profile, their colours, and the current line selecting its object in the table.
#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableView>

#include "app/paths.h"
#include "ui/dictionarywindow.h"
#include "ui/modalhelper.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

std::filesystem::path fixture(const char* name) {
    return std::filesystem::path(TEST_DATA_DIR) / "diff" / (std::string(name) + ".xml");
}

}  // namespace

class ComparisonTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void init() { openWindow(fixture("profile")); }
    void cleanup() { m_run.reset(); }

    void aFileIsComparedWithTheOpenProfile() {
        m_run->dialogs.answer(app::pathText(fixture("three")));
        button("ButtonCompareWithFile")->click();
        QTableView* table = comparisonTable();
        QVERIFY(table);
        QCOMPARE(table->window()->windowTitle(),
                 utf8("Сравнение с файлом ") + toQString(app::pathText(fixture("three"))));
        QCOMPARE(headers(table), (QStringList{utf8("Различие"), utf8("Адрес"), utf8("Название"), utf8("Поле"),
                                              utf8("В файле (Базовый профиль)"), utf8("В профиле (Базовый профиль)")}));
        QCOMPARE(texts(table),
                 (QList<QStringList>{
                     {utf8("изменён"), "2000h.01h", utf8("Напряжение звена постоянного тока"), "default", "550", "540"},
                     {utf8("добавлен"), "2000h.03h", utf8("Выходная частота"), "", "", ""},
                     {utf8("удалён"), "2002h.00h", utf8("Температура радиатора"), "", "", ""}}));
        const QSet<QRgb> colours{rowColour(table, 0), rowColour(table, 1), rowColour(table, 2)};
        QCOMPARE(colours.size(), 3);
        QVERIFY(!table->window()->findChild<QLabel*>("LabelNoDifferences")->isVisible());
    }

    void theCurrentLineSelectsItsObjectInTheTable() {
        m_run->dialogs.answer(app::pathText(fixture("three")));
        button("ButtonCompareWithFile")->click();
        QTableView* table = comparisonTable();
        QVERIFY(table);
        clickLine(table, 1);
        QCOMPARE(selectedRows(), QList<int>{row("2000h", "03h")});
        // The keyboard moves the current line too.
        QTest::keyClick(table, Qt::Key_Up);
        QCOMPARE(selectedRows(), QList<int>{row("2000h", "01h")});
        // The profile has no object of a line only the file has: the selection stays.
        clickLine(table, 2);
        QCOMPARE(selectedRows(), QList<int>{row("2000h", "01h")});
        // A click on the current line shows its object again after the table moved on.
        clickCell(row("2001h", "00h"), 3);
        clickLine(table, 2);
        clickLine(table, 0);
        QCOMPARE(selectedRows(), QList<int>{row("2000h", "01h")});
    }

    void theOpenProfilesOwnFileShowsNoDifferences() {
        m_run->dialogs.answer(m_run->profile());
        button("ButtonCompareWithFile")->click();
        QTableView* table = comparisonTable();
        QVERIFY(table);
        QCOMPARE(table->model()->rowCount(), 0);
        auto* label = table->window()->findChild<QLabel*>("LabelNoDifferences");
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), utf8("Различий нет"));
    }

    void aCancelledChoiceOpensNoWindow() {
        button("ButtonCompareWithFile")->click();
        QCOMPARE(m_run->dialogs.asked().size(), std::size_t{1});
        QVERIFY(!test::shownWindow("FormComparison"));
    }

    void theBaseProfileIsComparedWithASelectedConfiguration() {
        QVERIFY(!button("ButtonCompareWithBase")->isEnabled());
        auto* configurations = m_run->find<QListWidget>("ListBoxConfigurations");
        configurations->setCurrentRow(1);
        QVERIFY(button("ButtonCompareWithBase")->isEnabled());
        button("ButtonCompareWithBase")->click();
        QTableView* table = comparisonTable();
        QVERIFY(table);
        QCOMPARE(table->window()->windowTitle(), utf8("Сравнение с базовым профилем"));
        QCOMPARE(headers(table).mid(4), (QStringList{utf8("Базовый профиль"), utf8("Вариант 1")}));
        QCOMPARE(texts(table),
                 (QList<QStringList>{{utf8("изменён"), "2000h.01h", utf8("Напряжение звена постоянного тока"),
                                      "default", "540", "600"}}));
        clickLine(table, 0);
        QCOMPARE(selectedRows(), QList<int>{row("2000h", "01h")});

        // Back on the base profile there is nothing to compare it with; another profile closes the window.
        configurations->setCurrentRow(0);
        QVERIFY(!button("ButtonCompareWithBase")->isEnabled());
        m_run->port = test::ScriptedMessagePort({app::MessageAnswer::No});
        m_run->dialogs.answer(m_run->profile());
        menuItem("N_Open")->trigger();
        QTRY_VERIFY(!test::shownWindow("FormComparison"));
    }

private:
    QAbstractButton* button(const char* name) const { return m_run->find<QAbstractButton>(name); }

    static QTableView* comparisonTable() {
        QWidget* window = test::shownWindow("FormComparison");
        return window ? window->findChild<QTableView*>("GridComparison") : nullptr;
    }

    static QStringList headers(const QTableView* table) {
        QStringList texts;
        for (int c = 0; c < table->model()->columnCount(); ++c)
            texts << table->model()->headerData(c, Qt::Horizontal).toString();
        return texts;
    }

    static QList<QStringList> texts(const QTableView* table) {
        QList<QStringList> rows;
        for (int r = 0; r < table->model()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->model()->columnCount(); ++c)
                cells << table->model()->index(r, c).data().toString();
            rows << cells;
        }
        return rows;
    }

    static QRgb rowColour(const QTableView* table, int r) {
        return table->model()->index(r, 0).data(Qt::BackgroundRole).value<QBrush>().color().rgb();
    }

    static void clickLine(QTableView* table, int r) {
        const QModelIndex index = table->model()->index(r, 1);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    }
};

TABRIN_UI_TEST(ComparisonTest)

}  // namespace tabrin::ui

#include "comparison_test.moc"
