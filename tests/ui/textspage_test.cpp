// The texts page in the window: filter, an edit undone from the menu, the quote refused, a text
// added, the save button following the modified flag, and leaving the page saving the base so that
// the file changes by exactly the added text.
#include <QAbstractItemModel>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "app/cp1251.h"
#include "bases/textbase.h"
#include "support/tempfolder.h"
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

private:
    std::unique_ptr<test::OpenedWindow> m_run;
    QTableView* m_table = nullptr;
};

TABRIN_UI_TEST(TextsPageTest)

}  // namespace tabrin::ui

#include "textspage_test.moc"
