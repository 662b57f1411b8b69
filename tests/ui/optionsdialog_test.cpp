// The options dialog: the controls stacked 8 pixels apart, the token buttons, and "OK" with a
// valid or an invalid vendor token.
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

#include "app/cp1251.h"
#include "app/settings.h"
#include "app/translator.h"
#include "support/scriptedmessageport.h"
#include "ui/optionsdialog.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandEightPixelsApart() {
        app::Settings settings;
        app::Translator translator;
        test::ScriptedMessagePort port;
        OptionsDialog dialog(settings, port, translator);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        std::vector<QWidget*> stacked;
        for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && !qobject_cast<QPushButton*>(child)) stacked.push_back(child);
        }
        std::sort(stacked.begin(), stacked.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        QVERIFY(stacked.size() >= 8);
        QCOMPARE(stacked.front()->y(), 8);
        for (std::size_t i = 1; i < stacked.size(); ++i)
            QCOMPARE(stacked[i]->y(), stacked[i - 1]->geometry().bottom() + 1 + 8);
        auto* ok = dialog.findChild<QPushButton*>("ButtonOK");
        auto* cancel = dialog.findChild<QPushButton*>("ButtonCancel");
        QCOMPARE(ok->y(), stacked.back()->geometry().bottom() + 1 + 8);
        QCOMPARE(cancel->y(), ok->y());
        QCOMPARE(dialog.height(), ok->geometry().bottom() + 1 + 8);
    }

    void tokenButtons() {
        app::Settings settings;
        app::Translator translator;
        test::ScriptedMessagePort port;
        OptionsDialog dialog(settings, port, translator);
        auto* token = dialog.findChild<QLineEdit*>("eVendorToken");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btGenVendorToken"), Qt::LeftButton);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{8}$")).match(token->text()).hasMatch());
        QTest::mouseClick(dialog.findChild<QPushButton*>("btDelVendorToken"), Qt::LeftButton);
        QCOMPARE(token->text(), QString());
    }

    void emptyNumberFieldTakesItsValueForNoNumber() {
        app::Settings settings;
        app::Translator translator;
        test::ScriptedMessagePort port;
        OptionsDialog dialog(settings, port, translator);
        auto* period = dialog.findChild<QSpinBox*>("CSpinEditAutoSavePeriod");
        auto* text = period->findChild<QLineEdit*>();
        text->clear();
        QTest::keyClicks(period, QStringLiteral("x"));
        QCOMPARE(text->text(), QString());
        period->interpretText();
        QCOMPARE(period->value(), 10);
    }

    void okWithAToken_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("stored");
        QTest::newRow("valid token") << "5c3e91d7" << true << "5c3e91d7";
        QTest::newRow("emptied") << "" << true << "";
        QTest::newRow("eight zeros") << "00000000" << false << "11111111";
        QTest::newRow("seven digits") << "5C3E91D" << false << "11111111";
        QTest::newRow("not a hex digit") << "5C3E91DX" << false << "11111111";
    }

    void okWithAToken() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, stored);
        app::Settings settings;
        settings.vendorToken = "11111111";
        app::Translator translator;
        test::ScriptedMessagePort port;
        OptionsDialog dialog(settings, port, translator);
        dialog.findChild<QLineEdit*>("eVendorToken")->setText(typed);
        dialog.findChild<QSpinBox*>("seLastNum")->setValue(3);
        dialog.show();

        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(dialog.tokenChanged(), accepted);
        QCOMPARE(QString::fromStdString(settings.vendorToken), stored);
        QCOMPARE(settings.rememberLastNum, 3);
        QCOMPARE(port.asked().size(), accepted ? std::size_t(0) : std::size_t(1));
    }

    void cancelStoresNothing() {
        app::Settings settings;
        app::Translator translator;
        test::ScriptedMessagePort port;
        OptionsDialog dialog(settings, port, translator);
        dialog.findChild<QSpinBox*>("seLastNum")->setValue(3);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings, app::Settings());
    }
};

TABRIN_UI_TEST(OptionsDialogTest)

}  // namespace tabrin::ui

#include "optionsdialog_test.moc"
