// The dictionary page on the demo profile: the coloured table taking the page's free space, the
// configuration list, the filters with their keys and log lines, group jumps, another group
// enumeration, display modes, the kept filters and selection, the group-column refusal, wheel
// scrolling and what the window keeps of the table when it closes.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <functional>

#include "app/cp1251.h"
#include "support/tempfolder.h"
#include "ui/dictionarygridview.h"
#include "ui/modalhelper.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"
#include "ui/radiogroup.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

QColor colour(const QVariant& brush) { return brush.value<QBrush>().color(); }

}  // namespace

class DictionaryPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_run = std::make_unique<test::OpenedWindow>();
        m_view = m_run->find<DictionaryGridView>("StringGridProf");
        QVERIFY(m_view);
    }

    void cleanup() { m_run.reset(); }

    void openedProfileShowsTheColouredTable() {
        QAbstractItemModel* model = m_view->model();
        const int objects = static_cast<int>(m_run->window().workspace().profile.view().size());
        QCOMPARE(model->rowCount(), objects);
        QCOMPARE(m_run->find<QGroupBox>("GroupBoxVost")->title(),
                 utf8("Файл словаря для контроллера (%1 объектов)").arg(objects));
        QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), utf8("Формат"));

        const int root = row("3000h", "00h");
        QCOMPARE(cell(root, 6), utf8("Корневой"));
        QVERIFY(model->index(root, 1).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(model->index(root, 3).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model->index(root, 4).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model->index(root + 1, 1).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(cell(root + 1, 1), QStringLiteral("    3000h"));

        // The first data row is row 1 of the table: odd, black text.
        QCOMPARE(colour(model->index(0, 5).data(Qt::BackgroundRole)), QColor(230, 240, 250));
        QCOMPARE(colour(model->index(0, 5).data(Qt::ForegroundRole)), QColor(Qt::black));
        QCOMPARE(colour(model->index(1, 5).data(Qt::BackgroundRole)), QColor(250, 250, 255));
        QVERIFY(!model->index(1, 5).data(Qt::ForegroundRole).isValid());
        QCOMPARE(colour(model->index(1, 0).data(Qt::BackgroundRole)),
                 QGuiApplication::palette().color(QPalette::Button));
        QCOMPARE(colour(model->index(1, 0).data(Qt::ForegroundRole)), QColor(Qt::black));
    }

    void tableTakesTheFreeSpaceAndHeadersShowTheirTextsInFull() {
        m_run->find<QTabWidget>("PageControl1")->setCurrentWidget(m_run->find<QWidget>("TabSheetProfile"));
        m_run->find<QTabWidget>("PageControl2")->setCurrentWidget(m_run->find<QWidget>("TabSheetDict"));
        QCoreApplication::processEvents();
        const QWidget* page = m_run->find<QWidget>("TabSheetDict");
        // At the window's first size the controls above the table stay within a third of the page.
        QVERIFY2(m_view->height() * 3 >= page->height() * 2,
                 qPrintable(QStringLiteral("table %1 of %2").arg(m_view->height()).arg(page->height())));

        const int before = m_view->height();
        const QSize size = m_run->window().size();
        m_run->window().resize(size.width() + 300, size.height() + 200);
        QCoreApplication::processEvents();
        QCOMPARE(m_view->height(), before + 200);

        // A narrow window puts the controls on more lines, all of them above the table.
        m_run->window().resize(900, size.height());
        QCoreApplication::processEvents();
        QVERIFY(m_run->window().width() <= 900);
        for (const char* name : {"GroupBoxFilter", "RadioGroupDefaults", "GroupBoxConfigurations", "ButtonWord",
                                 "GroupBoxVost"}) {
            const QWidget* control = m_run->find<QWidget>(name);
            const QRect shown(control->mapTo(page, QPoint(0, 0)), control->size());
            QVERIFY2(shown.bottom() < m_view->mapTo(page, QPoint(0, 0)).y() && shown.right() < page->width(), name);
        }

        const QAbstractItemModel* model = m_view->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString header = model->headerData(column, Qt::Horizontal).toString();
            QVERIFY(!header.isEmpty());
            QCOMPARE(model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(), header);
        }
        QCOMPARE(model->headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(), utf8("Подындекс"));
    }

    void choosingAConfigurationShowsItsView() {
        QVERIFY(!m_run->find<QWidget>("btnGenAll")->isHidden());
        m_run->find<QListWidget>("ListBoxConfigurations")->setCurrentRow(1);

        const int overridden = row("1018h", "02h");
        QCOMPARE(colour(m_view->model()->index(overridden, 5).data(Qt::BackgroundRole)),
                 overridden % 2 == 0 ? QColor(255, 156, 135) : QColor(255, 190, 176));
        QCOMPARE(m_run->window().workspace().profile.CurrSubProfile, 1);
        QVERIFY(m_run->window().windowTitle().contains(QLatin1Char('*')));
        QVERIFY(log().find(cp1251::fromUtf8("Current configuration changed to: ПЧ-Демо 2")) != std::string::npos);
    }

    void rangeFilterTakesHexDigitsAndLogsItsChanges() {
        auto* begin = m_run->find<QLineEdit>("EditRangeBegin");
        begin->clear();
        begin->setFocus();
        QTest::keyClicks(begin, QStringLiteral("3g0x0-0"));
        QCOMPARE(begin->text(), QStringLiteral("3000"));
        auto* end = m_run->find<QLineEdit>("EditRangeEnd");
        end->clear();
        QTest::keyClicks(end, QStringLiteral("30ff"));
        QCOMPARE(end->text(), QStringLiteral("30FF"));

        m_run->find<QCheckBox>("CheckBoxRange")->click();
        QVERIFY(m_view->model()->rowCount() > 0);
        for (int r = 0; r < m_view->model()->rowCount(); ++r) QCOMPARE(cell(r, 1).trimmed(), QStringLiteral("3000h"));
        QVERIFY(log().find(cp1251::fromUtf8("'Фильтр -> Диапазон' changed to: checked")) != std::string::npos);

        QTest::keyClick(end, Qt::Key_Return);
        QVERIFY(log().find(cp1251::fromUtf8("'Фильтр' range changed to: 3000 - 30FF")) != std::string::npos);
        m_run->find<QCheckBox>("CheckBoxRange")->click();
        QCOMPARE(m_view->model()->rowCount(), static_cast<int>(m_run->window().workspace().profile.view().size()));
    }

    void groupListFiltersOrJumps() {
        auto* groups = m_run->find<QComboBox>("ComboBoxGroup");
        const int protections = groups->findText(utf8("Защиты"));
        QVERIFY(protections >= 0);
        m_view->scrollToFirstRow(0);

        // With the filter off the table jumps to the first object of the group.
        groups->setCurrentIndex(protections);
        emit groups->activated(protections);
        QCOMPARE(m_view->firstVisibleRow(), row("3200h", "00h"));
        QVERIFY(log().find(cp1251::fromUtf8("'Фильтр' changed to group: Защиты")) != std::string::npos);

        m_run->find<QCheckBox>("CheckBoxGroup")->click();
        QVERIFY(m_view->model()->rowCount() > 0);
        const auto& view = m_run->window().workspace().profile.view();
        for (int r = 0; r < m_view->model()->rowCount(); ++r)
            QCOMPARE(view[static_cast<std::size_t>(cell(r, 0).toInt())]->group, std::to_string(protections));
    }

    void anotherGroupEnumerationIsShownAtOnce() {
        m_run->find<QCheckBox>("CheckBoxGroup")->click();
        auto* groupSet = m_run->find<QComboBox>("CBGroupSet");
        const int modes = groupSet->findText(QStringLiteral("13:"), Qt::MatchStartsWith);
        QVERIFY(modes >= 0);
        groupSet->setCurrentIndex(modes);
        emit groupSet->activated(modes);

        auto* groups = m_run->find<QComboBox>("ComboBoxGroup");
        QStringList items;
        for (int position = 0; position < groups->count(); ++position) items << groups->itemText(position);
        QCOMPARE(items, (QStringList{utf8("Скалярный"), utf8("Векторный"), utf8("Момент")}));
        QCOMPARE(groups->currentIndex(), 0);
        QVERIFY(m_view->model()->rowCount() > 0);
        for (int r = 0; r < m_view->model()->rowCount(); ++r) {
            const QString group = cell(r, 8);
            QVERIFY2(group.isEmpty() || group == utf8("Скалярный"), qPrintable(group));
        }
        m_run->find<QCheckBox>("CheckBoxGroup")->click();
        QCOMPARE(cell(row("1018h", "00h"), 8), utf8("Векторный"));  // group 1
    }

    void newVendorTokenKeepsTheFiltersAndTheFirstVisibleRow() {
        auto* begin = m_run->find<QLineEdit>("EditRangeBegin");
        begin->setText(QStringLiteral("2000"));
        m_run->find<QCheckBox>("CheckBoxRange")->click();
        const int filteredRows = m_view->model()->rowCount();
        QVERIFY(filteredRows < static_cast<int>(m_run->window().workspace().profile.view().size()));
        m_view->scrollToFirstRow(10);
        QCOMPARE(m_view->firstVisibleRow(), 10);

        test::whenShown("FormOptions", [](QWidget*) { return true; }, [](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("eVendorToken"))->setText(QStringLiteral("5C3E91D7"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK")), Qt::LeftButton);
        });
        m_run->find<QAction>("N_Options")->trigger();

        QCOMPARE(cell(row("2600h", "01h"), 9), QStringLiteral("0x5C3E91D7"));
        QVERIFY(m_run->find<QCheckBox>("CheckBoxRange")->isChecked());
        QCOMPARE(m_view->model()->rowCount(), filteredRows);
        QCOMPARE(m_view->firstVisibleRow(), 10);
        QVERIFY(m_run->window().windowTitle().contains(QLatin1Char('*')));
    }

    void displayModesConvertQValuesAndKeepTheSelection() {
        const int voltage = row("3000h", "01h");  // Q12 of 540 V, stored as 2882
        m_view->selectionModel()->setCurrentIndex(m_view->model()->index(voltage, 3),
                                                  QItemSelectionModel::ClearAndSelect);
        auto* modes = m_run->find<RadioGroup>("RadioGroupDefaults");
        // A click, or the toggle of the keyboard and of assistive tools, which clicks nothing.
        const auto click = [](QRadioButton* button) { button->click(); };
        const auto toggle = [](QRadioButton* button) {
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        };
        const struct {
            int mode;
            std::function<void(QRadioButton*)> choose;
            const char* shown;
        } rows[] = {{1, click, "379.951"}, {2, toggle, "0.704"}, {0, toggle, "2882"}, {1, click, "379.951"}};
        for (const auto& mode : rows) {
            mode.choose(modes->findChildren<QRadioButton*>().at(mode.mode));
            QCOMPARE(cell(voltage, 9), QString::fromLatin1(mode.shown));
            QCOMPARE(m_view->selectionModel()->selectedIndexes(), QModelIndexList{m_view->model()->index(voltage, 3)});
        }
        QVERIFY(log().find(cp1251::fromUtf8("'Значения по умолчанию (IQ)' changed to: отн. единицы")) !=
                std::string::npos);
    }

    void groupColumnRefusesSubObjects() {
        clickCell(row("1018h", "00h"), 8);
        QVERIFY(m_run->port.asked().empty());
        auto* picker = m_run->find<QComboBox>("GroupPicker");
        QVERIFY(picker);
        picker->hidePopup();
        QTRY_VERIFY(m_view->isEnabled());
        clickCell(row("1018h", "01h"), 8);
        QCOMPARE(m_run->port.asked().size(), std::size_t(1));
        QCOMPARE(toQString(m_run->port.asked()[0].text),
                 utf8("Группу можно выбирать только для корневых или единичных элементов (у которых подындекс 00h)."));
    }

    void wheelScrollsOneRowPerNotchWithoutRefilling() {
        QSignalSpy refills(m_view->model(), &QAbstractItemModel::modelReset);
        m_view->scrollToFirstRow(10);
        turnWheel(-120);
        QCOMPARE(m_view->firstVisibleRow(), 11);
        turnWheel(-240);
        QCOMPARE(m_view->firstVisibleRow(), 13);
        turnWheel(60);  // half a notch waits for the other half
        QCOMPARE(m_view->firstVisibleRow(), 13);
        turnWheel(60);
        QCOMPARE(m_view->firstVisibleRow(), 12);
        m_view->verticalScrollBar()->setValue(40);
        QCOMPARE(refills.count(), 0);
    }

    void closingKeepsColumnWidthsAndTopRow() {
        m_view->setColumnWidth(5, 120);
        // The format column left at its default is as wide as the formats are.
        const int format = m_view->columnWidth(6);
        QVERIFY(format > 140);
        m_view->scrollToFirstRow(10);
        QVERIFY(m_run->window().close());
        const std::string ini = test::readFile(m_run->home().path() / "Tabrin4.INI");
        QVERIFY(ini.find("ColWidth5=120") != std::string::npos);
        QVERIFY(ini.find("ColWidth6=" + std::to_string(format)) != std::string::npos);
        QVERIFY(ini.find("last_TopRow=11") != std::string::npos);
    }

    void aStoredWidthStaysWhereItCutsTheHeader() {
        m_run = std::make_unique<test::OpenedWindow>("ProgLanguage=0\r\n[Vost]\r\nColWidth2=40\r\n");
        m_view = m_run->find<DictionaryGridView>("StringGridProf");
        QCOMPARE(m_view->columnWidth(2), 40);
    }

private:
    QString cell(int r, int column) const { return m_view->model()->index(r, column).data().toString(); }

    int row(const char* index, const char* subindex) const {
        for (int r = 0; r < m_view->model()->rowCount(); ++r) {
            if (cell(r, 1).trimmed() == QLatin1String(index) && cell(r, 2) == QLatin1String(subindex)) return r;
        }
        return -1;
    }

    void clickCell(int r, int column) {
        const QModelIndex index = m_view->model()->index(r, column);
        m_view->scrollTo(index);
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, m_view->visualRect(index).center());
    }

    void turnWheel(int angle) {
        const QPointF centre = QPointF(m_view->viewport()->rect().center());
        QWheelEvent wheel(centre, m_view->viewport()->mapToGlobal(centre), {}, {0, angle}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_view->viewport(), &wheel);
    }

    std::string log() const { return test::readFile(m_run->home().path() / "Log" / "Tabrin4.log"); }

    std::unique_ptr<test::OpenedWindow> m_run;
    DictionaryGridView* m_view = nullptr;
};

TABRIN_UI_TEST(DictionaryPageTest)

}  // namespace tabrin::ui

#include "dictionarypage_test.moc"
