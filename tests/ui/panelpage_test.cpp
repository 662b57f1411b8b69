// The control-panel page: the free-text conversion, the C header, the panel text file of profiles
// chosen in the profile-selection dialog, and that dialog's list and choices.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/cp1251.h"
#include "ui/modalhelper.h"
#include "ui/openedwindow.h"
#include "ui/profileselectdialog.h"
#include "ui/qtext.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

class PanelPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_run = std::make_unique<test::OpenedWindow>(); }
    void cleanup() { m_run.reset(); }

    void freeTextBecomesPanelWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::newRow("Latin") << "Ab" << "    .word    37*256+10    ; Ab";
        QTest::newRow("Cyrillic, two words") << utf8("Пуск")
                                             << utf8("    .word    115*256+78    ; Пуск\n"
                                                     "    .word    106*256+113    ; ск");
        QTest::newRow("odd length") << "A" << "    .word    255*256+10    ; A";
        QTest::newRow("empty") << QString() << QString();
    }

    void freeTextBecomesPanelWords() {
        QFETCH(QString, text);
        QFETCH(QString, words);
        auto* edit = m_run->find<QLineEdit>("EditText");
        QCOMPARE(edit->text(), utf8("Введите текст"));
        edit->setText(text);
        QCOMPARE(m_run->find<QPlainTextEdit>("MemoPU")->toPlainText(), words);
    }

    void headerFollowsThePanelType() {
        QTest::mouseClick(m_run->find<QPushButton>("ButtonPUHeaderC"), Qt::LeftButton);
        QVERIFY(texts().contains(QStringLiteral("extern const char* const texts_texts[];")));
        m_run->find<QComboBox>("CB_PUType")->setCurrentIndex(3);  // packed for 2808
        QTest::mouseClick(m_run->find<QPushButton>("ButtonPUHeaderC"), Qt::LeftButton);
        QVERIFY(texts().contains(QStringLiteral("extern Uint16 const texts_texts[];")));
        QVERIFY(m_run->port.asked().empty());
    }

    void profileTextsOfTheChosenProfiles() {
        auto* button = m_run->find<QPushButton>("BProfText");
        QVERIFY(!button->isEnabled());
        m_run->find<QComboBox>("CB_PUType")->setCurrentIndex(2);
        QVERIFY(button->isEnabled());

        m_run->dialogs.answerFiles({m_run->profile()});
        test::whenShown(
            "FormProfSelect",
            [](QWidget* dialog) { return !dialog->findChild<QPlainTextEdit*>("MemoProfs")->toPlainText().isEmpty(); },
            [](QWidget* dialog) { QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton); });
        QTest::mouseClick(button, Qt::LeftButton);

        QVERIFY(texts().contains(QStringLiteral("texts_texts")));
        QVERIFY(texts().contains(utf8("Си для 28x")));
        QCOMPARE(m_run->find<QProgressBar>("ProgressBarTexts")->value(), 100);
        QVERIFY(button->isEnabled());
    }

    void noProfileChosenIsShown() {
        m_run->find<QComboBox>("CB_PUType")->setCurrentIndex(0);
        m_run->dialogs.answerFiles({m_run->profile()});
        // Closed by its window button rather than by OK: the listed file does not count.
        test::whenShown(
            "FormProfSelect",
            [](QWidget* dialog) { return !dialog->findChild<QPlainTextEdit*>("MemoProfs")->toPlainText().isEmpty(); },
            [](QWidget* dialog) { dialog->close(); });
        QTest::mouseClick(m_run->find<QPushButton>("BProfText"), Qt::LeftButton);
        QCOMPARE(texts(), utf8("Профиль не выбран"));
    }

    void selectionDialogListsEveryChosenFile() {
        ProfileSelectDialog dialog(m_run->window().workspace(), m_run->dialogs);
        m_run->dialogs.answerFiles({"/p/a.xml", "/p/b.xml"});
        m_run->dialogs.answerFiles({"/p/c.xml"});
        dialog.show();
        QTRY_COMPARE(dialog.findChild<QPlainTextEdit*>("MemoProfs")->toPlainText(),
                     QStringLiteral("/p/a.xml\n/p/b.xml"));
        QCOMPARE(toQString(m_run->dialogs.asked()[0].filter), utf8("XML-файлы (*.xml)|*.xml|все файлы|*.*"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonAdd"), Qt::LeftButton);
        QVERIFY(dialog.chosenProfiles().empty());

        dialog.findChild<QCheckBox*>("cbUseOtherIfNoGiven")->setChecked(false);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        QCOMPARE(dialog.chosenProfiles(), (std::vector<std::string>{"/p/a.xml", "/p/b.xml", "/p/c.xml"}));
        const panel::PanelTextChoice choice = dialog.textChoice();
        QCOMPARE(choice.textKind, 2);         // short texts
        QCOMPARE(choice.enumerationKind, 3);  // short Russian items
        QVERIFY(!choice.useOtherText);
    }

private:
    QString texts() const { return m_run->find<QPlainTextEdit>("RichTexts")->toPlainText(); }

    std::unique_ptr<test::OpenedWindow> m_run;
};

TABRIN_UI_TEST(PanelPageTest)

}  // namespace tabrin::ui

#include "panelpage_test.moc"
