// The window "Загрузка параметров по умолчанию" over an open profile: a parameter file loaded, a
// parameter selected with a right click, the comparison, the loading, and the saved profile that
// differs from the one saved before by exactly the loaded defaults; the window beside the main
// window and its close button.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "app/paths.h"
#include "ui/dictionarywindow.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

std::filesystem::path fixture(const char* name) { return std::filesystem::path(TEST_DATA_DIR) / "parameters" / name; }

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& start) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0).startsWith(start)) return *it;
    return nullptr;
}

// `text` with the default of the first object element at `address` changed from `from` to `to`.
std::string withDefault(std::string text, const std::string& address, const std::string& from, const std::string& to) {
    const std::size_t object = text.find("<obj_" + address);
    const std::size_t value = text.find("default=\"" + from + "\"", object);
    if (object == std::string::npos || value == std::string::npos) return "no default " + from + " at " + address;
    text.replace(value, from.size() + 10, "default=\"" + to + "\"");
    return text;
}

}  // namespace

class ParameterWindowTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void init() { openWindow(fixture("profile.xml")); }
    void cleanup() { m_run.reset(); }

    void loadsTheSelectedDefaultsIntoTheProfile() {
        menuItem("N_Save")->trigger();
        const std::filesystem::path saved = app::nativePath(m_run->profile());
        const std::string original = test::readFile(saved);

        QVERIFY(menuItem("N_LoadDefaults")->isEnabled());
        menuItem("N_LoadDefaults")->trigger();
        auto* window = m_run->window().findChild<QWidget*>("FormLoadDefaults");
        QVERIFY(window && window->isVisible());
        // A window of its own beside the main window, not one kept above it.
        QCOMPARE(window->windowType(), Qt::Window);
        QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        auto* fileTree = window->findChild<QTreeWidget*>("TreeViewFile");
        auto* profileTree = window->findChild<QTreeWidget*>("TreeViewProfile");
        auto* diagnostics = window->findChild<QPlainTextEdit*>("MemoDiagnostics");
        QCOMPARE(fileTree->topLevelItem(0)->text(0), QStringLiteral("Загрузите словарь из файла"));
        QVERIFY(
            findItem(profileTree, QStringLiteral("Напряжение звена постоянного тока [2000h.01h]=Стд.числ. 540 U16")));
        QCOMPARE(diagnostics->toPlainText(), QStringLiteral("Словарь-приемник параметров по умолчанию загружен"));
        auto* selectAll = window->findChild<QToolButton*>("ToolButtonSelectAll");
        QTRY_VERIFY(!selectAll->isEnabled());  // the timer keeps the selection buttons for a loaded file

        m_run->dialogs.answer(app::pathText(fixture("plant.kvpx")));
        window->findChild<QToolButton*>("ToolButtonOpen")->click();
        QVERIFY(diagnostics->toPlainText().startsWith(QStringLiteral("Словарь с переносимыми параметрами загружен")));
        QTRY_VERIFY(selectAll->isEnabled());

        // The output current is not checked in the file: a right click selects it.
        fileTree->expandAll();
        QTreeWidgetItem* current = findItem(fileTree, QStringLiteral("Выходной ток [2000h.02h]"));
        QVERIFY(current);
        QCOMPARE(current->checkState(0), Qt::Unchecked);
        fileTree->scrollToItem(current);
        QTest::mouseClick(fileTree->viewport(), Qt::RightButton, {}, fileTree->visualItemRect(current).center());
        current = findItem(fileTree, QStringLiteral("Выходной ток [2000h.02h]"));
        QCOMPARE(current->checkState(0), Qt::Checked);
        QVERIFY(!(findItem(fileTree, QStringLiteral("Выходная частота [2000h.03h]"))->flags() & Qt::ItemIsEnabled));

        window->findChild<QPushButton*>("ButtonCompare")->click();
        QVERIFY(diagnostics->toPlainText().contains(
            QStringLiteral("Сравнение завершено. Отменена загрузка 2 параметров.")));
        window->findChild<QPushButton*>("ButtonLoad")->click();
        QVERIFY(diagnostics->toPlainText().endsWith(QStringLiteral("Значения по умолчанию загружены.")));
        QCOMPARE(m_run->port.asked().size(), std::size_t(0));
        QVERIFY(m_run->window().windowTitle().contains(QLatin1Char('*')));
        QVERIFY(
            findItem(profileTree, QStringLiteral("Напряжение звена постоянного тока [2000h.01h]=Стд.числ. 550 U16")));
        QCOMPARE(cell(row("2510h", "00h"), editing::kDefaultColumn), QStringLiteral("2.5"));

        menuItem("N_Save")->trigger();
        std::string expected = withDefault(original, "2000h.01h", "540", "550");
        expected = withDefault(expected, "2000h.02h", "10", "12");
        expected = withDefault(expected, "2510h.00h", "7", "2.5");
        QCOMPARE(QString::fromStdString(test::readFile(saved)), QString::fromStdString(expected));
        window->findChild<QPushButton*>("ButtonClose")->click();
        QVERIFY(!window->isVisible());
    }
};

TABRIN_UI_TEST(ParameterWindowTest)

}  // namespace tabrin::ui

#include "parameterwindow_test.moc"
