// The clipboard receives Windows-1251 texts as Unicode text.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "app/cp1251.h"
#include "ui/desktophelpers.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {

class DesktopHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void clipboardHoldsTheTextAsUnicode() {
        copyToClipboard(cp1251::fromUtf8("Словарь 2600h.01h: «ключ»"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("Словарь 2600h.01h: «ключ»"));
    }
};

TABRIN_UI_TEST(DesktopHelpersTest)

}  // namespace tabrin::ui

#include "desktophelpers_test.moc"
