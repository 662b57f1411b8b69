// The scale-coefficient page on the demo profile: a list chosen over the cell, the assumed value
// typed with a comma, a row without a coefficient, and the dictionary's 2100h rows, the saved file
// and undo following the page.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

#include "app/paths.h"
#include "support/tempfolder.h"
#include "ui/dictionarywindow.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

class ScalePageTest : public test::DictionaryWindow {
    Q_OBJECT

private slots:
    void init() {
        openWindow({});
        m_run->find<QTabWidget>("PageControl2")->setCurrentWidget(m_run->find<QWidget>("TabSheetScales"));
        m_scales = m_run->find<QTableView>("StringGridScales");
        QVERIFY(m_scales);
    }
    void cleanup() { m_run.reset(); }

    void listsAndTypingChangeTheCoefficientAndItsObjects() {
        QCOMPARE(scaleCell(0, 0), QStringLiteral("00h"));
        QCOMPARE(scaleCell(0, 4), QStringLiteral("12.4"));
        QCOMPARE(scaleCell(31, 0), QStringLiteral("1Fh"));

        choose(0, 4, 8);
        QCOMPARE(scaleCell(0, 4), QStringLiteral("8.8"));
        choose(0, 1, 2);
        QCOMPARE(scaleCell(0, 1), QStringLiteral("x.xx"));
        QVERIFY(m_run->window().windowTitle().contains(QLatin1Char('*')));
        QCOMPARE(menuItem("N_Undo")->text(), utf8("Отменить: масштабирующий коэффициент 00h"));

        const QModelIndex value = m_scales->model()->index(0, 5);
        m_scales->setCurrentIndex(value);
        m_scales->edit(value);
        auto* editor = m_scales->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "12,5x");
        QCOMPARE(editor->text(), QStringLiteral("12.5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(scaleCell(0, 5), QStringLiteral("12.5"));
        QCOMPARE(m_run->window().workspace().profile.scaleNumbers[0].possible_value, std::string("12.5"));

        // The dictionary shows what saving writes into the coefficient's objects.
        m_run->find<QTabWidget>("PageControl2")->setCurrentIndex(0);
        QCOMPARE(cell(row("2100h", "02h"), 9), QString::number(1 * 1024 + 0 * 128 + 2 * 32 + 8));
        QCOMPARE(cell(row("2100h", "03h"), 9), QStringLiteral("8"));
        QCOMPARE(cell(row("2100h", "04h"), 9), QStringLiteral("2"));
        menuItem("N_Save")->trigger();
        const std::string saved = test::readFile(app::nativePath(m_run->profile()));
        QVERIFY(saved.find("scaleQ=\"8\" num_of_float=\"2\" possible_value=\"12.5\"") != std::string::npos);

        menuItem("N_Undo")->trigger();
        menuItem("N_Undo")->trigger();
        menuItem("N_Undo")->trigger();
        QCOMPARE(cell(row("2100h", "03h"), 9), QStringLiteral("4"));
    }

    // Ctrl+S and closing the window take no focus from the cell editor: what it holds is written
    // before the file is saved, and the profile is not left marked unmodified without it.
    void saveAndCloseWriteWhatTheOpenEditorHolds() {
        const std::filesystem::path file = app::nativePath(m_run->profile());
        const auto typeInto = [this](int r, const char* value) {
            const QModelIndex index = m_scales->model()->index(r, 5);
            m_scales->setCurrentIndex(index);
            m_scales->edit(index);
            auto* editor = qobject_cast<QLineEdit*>(m_scales->indexWidget(index));
            QVERIFY(editor);
            editor->selectAll();
            QTest::keyClicks(editor, value);
        };
        typeInto(0, "7.25");
        QTest::keyClick(&m_run->window(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(test::readFile(file).find("possible_value=\"7.25\"") != std::string::npos);
        QVERIFY(!m_run->window().windowTitle().contains(QLatin1Char('*')));

        typeInto(1, "3.5");
        m_run->port = test::ScriptedMessagePort({app::MessageAnswer::Yes});
        m_run->window().close();
        QCOMPARE(m_run->port.asked().size(), std::size_t{1});
        QVERIFY(test::readFile(file).find("possible_value=\"3.5\"") != std::string::npos);
    }

    void aRowWithoutCoefficientOpensNoList() {
        m_scales->setCurrentIndex(m_scales->model()->index(20, 2));
        QVERIFY(!m_run->window().findChild<QComboBox*>("ScaleListPicker"));
        QCOMPARE(scaleCell(20, 2), QString());
        QVERIFY(!(m_scales->model()->flags(m_scales->model()->index(20, 5)) & Qt::ItemIsEditable));
    }

private:
    QString scaleCell(int r, int column) const { return m_scales->model()->index(r, column).data().toString(); }

    void choose(int r, int column, int item) {
        m_scales->setCurrentIndex(m_scales->model()->index(r, column));
        auto* picker = m_run->window().findChild<QComboBox*>("ScaleListPicker");
        QVERIFY(picker);
        QVERIFY(!m_scales->isEnabled());
        emit picker->activated(item);
        picker->hidePopup();
        QTRY_VERIFY(m_scales->isEnabled());
        QTRY_VERIFY(!m_run->window().findChild<QComboBox*>("ScaleListPicker"));
    }

    QTableView* m_scales = nullptr;
};

TABRIN_UI_TEST(ScalePageTest)

}  // namespace tabrin::ui

#include "scalepage_test.moc"
