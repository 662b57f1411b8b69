// Questions of the core shown by the window layer: one that carries a table and buttons of its own
// shows the table with its marked cells in red and the buttons in their order, and gives the
// answer of the button chosen.
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

#include "app/cp1251.h"
#include "ui/modalhelper.h"
#include "ui/qtext.h"
#include "ui/qtmessageport.h"
#include "ui/uitestregistry.h"

Q_DECLARE_METATYPE(tabrin::app::MessageAnswer)

namespace tabrin::ui {
namespace {

using app::MessageAnswer;

std::string w(const char* utf8) { return cp1251::fromUtf8(utf8); }

app::Message tableQuestion() {
    app::Message message{w("Сравнение"), w("Значения не совпадают."), app::MessageButtons::Ok,
                         app::MessageIcon::Warning};
    message.table = app::MessageTable{{{"", 1}, {w("В словаре:"), 2}},
                                      {w("Номер"), w("Значение"), w("Формат")},
                                      {{{"00h"}, {"10", true}, {"U16"}}, {{"01h"}, {"5"}, {"I8", true}}}};
    message.closingText = w("Заменить?");
    message.namedAnswers = {
        {w("Заменить"), MessageAnswer::Yes}, {w("Отмена"), MessageAnswer::Cancel}, {w("Оставить"), MessageAnswer::No}};
    return message;
}

// The dialog's buttons from left to right.
QList<QPushButton*> buttonsInSight(QWidget* dialog) {
    QList<QPushButton*> buttons = dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return buttons;
}

bool labelShows(QWidget* dialog, const char* text) {
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisible() && label->text() == QString::fromUtf8(text)) return true;
    }
    return false;
}

}  // namespace

class QtMessagePortTest : public QObject {
    Q_OBJECT

private slots:
    void tableQuestionShowsMarkedCellsAndNamedButtons_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("first") << 0 << MessageAnswer::Yes;
        QTest::newRow("second") << 1 << MessageAnswer::Cancel;
        QTest::newRow("third") << 2 << MessageAnswer::No;
        QTest::newRow("closed by Escape") << -1 << MessageAnswer::Cancel;
    }

    void tableQuestionShowsMarkedCellsAndNamedButtons() {
        QFETCH(int, button);
        QFETCH(MessageAnswer, answer);
        QStringList headers;
        QList<QList<bool>> red;
        QStringList captions;
        bool textsShown = false;
        test::whenShown(
            "FormMessage", [](QWidget*) { return true; },
            [&](QWidget* dialog) {
                textsShown = dialog->windowTitle() == QString::fromUtf8("Сравнение") &&
                             labelShows(dialog, "Значения не совпадают.") && labelShows(dialog, "В словаре:") &&
                             labelShows(dialog, "Заменить?");
                auto* table = dialog->findChild<QTableWidget*>("TableMessage");
                for (int column = 0; column < table->columnCount(); ++column) {
                    headers << table->horizontalHeaderItem(column)->text();
                }
                for (int row = 0; row < table->rowCount(); ++row) {
                    QList<bool> cells;
                    for (int column = 0; column < table->columnCount(); ++column)
                        cells << (table->item(row, column)->background() == QBrush(QColor(255, 130, 130)));
                    red << cells;
                }
                const QList<QPushButton*> buttons = buttonsInSight(dialog);
                for (const QPushButton* shown : buttons) captions << shown->text();
                if (button < 0) {
                    QTest::keyClick(dialog, Qt::Key_Escape);
                } else {
                    QTest::mouseClick(buttons.at(button), Qt::LeftButton);
                }
            });
        QCOMPARE(QtMessagePort().ask(tableQuestion()), answer);
        QVERIFY(textsShown);
        QCOMPARE(headers,
                 (QStringList{QString::fromUtf8("Номер"), QString::fromUtf8("Значение"), QString::fromUtf8("Формат")}));
        QCOMPARE(red, (QList<QList<bool>>{{false, true, false}, {false, false, true}}));
        QCOMPARE(captions, (QStringList{QString::fromUtf8("Заменить"), QString::fromUtf8("Отмена"),
                                        QString::fromUtf8("Оставить")}));
    }
};

TABRIN_UI_TEST(QtMessagePortTest)

}  // namespace tabrin::ui

#include "qtmessageport_test.moc"
