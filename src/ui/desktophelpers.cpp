// The desktop services the program's pages share: the folder picker and the clipboard.
#include "ui/desktophelpers.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include "ui/qtext.h"

namespace tabrin::ui {

QString selectFolder(const QString& initialFolder, QWidget* owner, const QString& title) {
    return QFileDialog::getExistingDirectory(owner, title, initialFolder, QFileDialog::ShowDirsOnly);
}

void copyToClipboard(std::string_view cp1251Text) { QGuiApplication::clipboard()->setText(toQString(cp1251Text)); }

}  // namespace tabrin::ui
