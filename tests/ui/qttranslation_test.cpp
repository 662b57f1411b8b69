// Qt's standard texts (message-box buttons, the file dialog) follow the interface language of the
// main window, and only for as long as the window lives.
#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <memory>

#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "ui/mainwindow.h"
#include "ui/testhome.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

QStringList standardButtonTexts() {
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    QStringList texts;
    for (const QMessageBox::StandardButton button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel})
        texts << box.button(button)->text();
    return texts;
}

QString fileDialogFolderLabel() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return label != nullptr ? label->text() : QString();
}

}  // namespace

class QtTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void standardDialogsSpeakTheInterfaceLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("Russian") << 0 << QStringList{"&Да", "&Нет", "OK", "Отмена"};
        QTest::newRow("English") << 1 << QStringList{"&Yes", "&No", "OK", "Cancel"};
    }

    void standardDialogsSpeakTheInterfaceLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, buttons);
        const QStringList englishButtons = standardButtonTexts();
        const QString englishFolderLabel = fileDialogFolderLabel();
        {
            test::TestHome home("[Options]\r\nProgLanguage=" + std::to_string(language) + "\r\n");
            test::ScriptedMessagePort port;
            test::ScriptedFileDialogPort dialogs;
            MainWindow window(home.path(), app::progLanguageEnglish, port, dialogs);
            QCOMPARE(standardButtonTexts(), buttons);
            QCOMPARE(fileDialogFolderLabel() != englishFolderLabel, language == 0);
        }
        QCOMPARE(standardButtonTexts(), englishButtons);
    }
};

TABRIN_UI_TEST(QtTranslationTest)

}  // namespace tabrin::ui

#include "qttranslation_test.moc"
