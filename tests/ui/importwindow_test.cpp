// The window "Импорт объектов" over an open profile: opening another profile, the caption and the
// list, importing a range of rows into the current configuration, undo, the menu items, and the
// window beside the main window.
#include <QPushButton>
#include <QTableView>

#include "app/paths.h"
#include "support/tempfolder.h"
#include "ui/dictionarywindow.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

constexpr const char* kImported =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<dictionary_settings group_set=\"20\"/>\n"
    "\t<Indexes name=\"Base\">\n"
    "\t\t<obj_7000h.00h DataType=\"Viewable\" name=\"Plant\" addr=\"\" group=\"1\"><format Type=\"Root\"/></obj_7000h.00h>\n"
    "\t\t<obj_7000h.01h DataType=\"Editable\" name=\"Speed\" addr=\"v1\" group=\"1\"><format Type=\"StandartNum\" "
    "Size=\"16\" Signed=\"false\"/><defaults default=\"3\"/></obj_7000h.01h>\n"
    "\t\t<obj_7000h.02h DataType=\"Editable\" name=\"Torque\" addr=\"v2\" group=\"1\"><format Type=\"StandartNum\" "
    "Size=\"16\" Signed=\"false\"/><defaults default=\"4\"/></obj_7000h.02h>\n"
    "\t</Indexes>\n</root>\n";

}  // namespace

class ImportWindowTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void init() { openWindow(std::filesystem::path(TEST_DATA_DIR) / "editing" / "three_configurations.xml"); }
    void cleanup() { m_run.reset(); }

    void importsTheSelectedRowsIntoTheCurrentConfiguration() {
        QVERIFY(menuItem("N_Import")->isEnabled());
        QVERIFY(menuItem("N_LoadDefaults")->isEnabled());
        test::TempFolder folder;
        test::writeFile(folder.path() / "plant.xml", kImported);
        const std::string file = app::pathText(folder.path() / "plant.xml");
        menuItem("N_Import")->trigger();
        auto* window = m_run->window().findChild<QWidget*>("FormImportObjects");
        QVERIFY(window && window->isVisible());
        // A window of its own beside the main window, not one kept above it; the menu item brings it
        // back when it was minimised.
        QCOMPARE(window->windowType(), Qt::Window);
        QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        window->showMinimized();
        menuItem("N_Import")->trigger();
        QVERIFY(!window->isMinimized());
        auto* importButton = window->findChild<QPushButton*>("ButtonImport");
        QVERIFY(!importButton->isEnabled());

        m_run->dialogs.answer(file);
        window->findChild<QPushButton*>("ButtonOpen")->click();
        QCOMPARE(window->windowTitle(), utf8("Профиль: ") + QString::fromStdString(file));
        auto* table = window->findChild<QTableView*>("StringGridImport");
        QCOMPARE(table->model()->rowCount(), 3);
        QCOMPARE(table->model()->index(1, 1).data().toString(), QStringLiteral("    7000h"));
        QVERIFY(importButton->isEnabled());
        QVERIFY(log().find("Opened profile to import from: ") != std::string::npos);

        table->selectionModel()->select(
            QItemSelection(table->model()->index(1, 0), table->model()->index(2, 6)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        importButton->click();
        QVERIFY(row("7000h", "01h") >= 0);
        QVERIFY(row("7000h", "02h") >= 0);
        QCOMPARE(row("7000h", "00h"), -1);
        QVERIFY(log().find("Object(s) with number(s) from 1 to 2 were imported") != std::string::npos);
        QVERIFY(m_run->window().windowTitle().contains(QLatin1Char('*')));
        importButton->click();  // as often as wanted
        QVERIFY(row("7000h", "01h", 1) >= 0);

        menuItem("N_Undo")->trigger();
        menuItem("N_Undo")->trigger();
        QCOMPARE(row("7000h", "01h"), -1);
        window->findChild<QPushButton*>("ButtonDone")->click();
        QVERIFY(!window->isVisible());
    }
};

TABRIN_UI_TEST(ImportWindowTest)

}  // namespace tabrin::ui

#include "importwindow_test.moc"
