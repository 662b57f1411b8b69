// The author-change dialog: a name chosen from the list fills the field, an empty field cannot be
// confirmed, and a double click in the author column of an own text gives the text the name chosen.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "app/translator.h"
#include "ui/authorchangedialog.h"
#include "ui/modalhelper.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {

class AuthorChangeDialogTest : public QObject {
    Q_OBJECT

private slots:
    void nameIsChosenOrTypedAndNeverEmpty() {
        app::Translator translator;
        AuthorChangeDialog dialog(editing::AuthorChange({"ivan", "petr"}, "hint", "ivan"), translator);
        auto* names = dialog.findChild<QListWidget*>(QStringLiteral("sgUsers"));
        auto* user = dialog.findChild<QLineEdit*>(QStringLiteral("EditUser"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK"));
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Смена автора текста/перечисления"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("LabelHint"))->text(), QStringLiteral("hint"));
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->currentRow(), 0);
        QCOMPARE(user->text(), QStringLiteral("ivan"));
        names->setCurrentRow(1);
        QCOMPARE(user->text(), QStringLiteral("petr"));
        user->clear();
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(user, QStringLiteral("sidorov"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.change().author(), "sidorov");
    }

    void doubleClickInTheAuthorColumnGivesTheTextAway() {
        test::OpenedWindow run;
        run.find<QTabWidget>("PageControl1")->setCurrentWidget(run.find<QWidget>("TabSheetTexts"));
        auto* table = run.find<QTableView>("StringGridTexts");
        const int rows = table->model()->rowCount();
        const QModelIndex author = table->model()->index(0, 4);
        const QString number = table->model()->index(0, 0).data().toString();
        QString hint;
        test::whenShown(
            "FormChangeAuthor", [](QWidget*) { return true; },
            [&hint](QWidget* dialog) {
                hint = dialog->findChild<QLabel*>(QStringLiteral("LabelHint"))->text();
                auto* names = dialog->findChild<QListWidget*>(QStringLiteral("sgUsers"));
                const QList<QListWidgetItem*> found = names->findItems(QString::fromUtf8("Петров"), Qt::MatchExactly);
                names->setCurrentItem(found.value(0));
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK")), Qt::LeftButton);
            });
        table->scrollTo(author);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(author).center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(author).center());
        QCOMPARE(hint, QString::fromUtf8("Вы собираетесь сменить автора для текста \"Тип устройства\" под номером ") +
                           number + QStringLiteral("."));
        // The text is another user's now, and other users' texts are not listed.
        QCOMPARE(table->model()->rowCount(), rows - 1);
        QVERIFY(run.find<QPushButton>("btnSaveTexts")->isEnabled());
    }
};

TABRIN_UI_TEST(AuthorChangeDialogTest)

}  // namespace tabrin::ui

#include "authorchangedialog_test.moc"
