// The core's file dialogs shown as the platform's file dialogs.
#include "ui/qtfiledialogport.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

std::vector<std::string> run(QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode,
                             const app::FileDialog& dialog) {
    QFileDialog fileDialog(QApplication::activeWindow(), toQString(dialog.title));
    fileDialog.setAcceptMode(mode);
    fileDialog.setFileMode(fileMode);
    fileDialog.setNameFilters(qtNameFilters(dialog.filter).split(QStringLiteral(";;")));
    fileDialog.setDefaultSuffix(toQString(dialog.defaultExtension));
    const QString start = toQPath(dialog.startPath);
    if (QFileInfo(start).isDir())
        fileDialog.setDirectory(start);
    else if (!start.isEmpty())
        fileDialog.selectFile(start);
    std::vector<std::string> chosen;
    if (fileDialog.exec() != QDialog::Accepted) return chosen;
    for (const QString& file : fileDialog.selectedFiles()) chosen.push_back(fromQPath(file));
    return chosen;
}

std::optional<std::string> firstOf(const std::vector<std::string>& paths) {
    if (paths.empty()) return std::nullopt;
    return paths.front();
}

}  // namespace

QString qtNameFilters(std::string_view windowsFilter) {
    const QStringList parts = toQString(windowsFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the patterns from the name's last parentheses, separated by blanks.
        QString name = parts[i];
        name.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' ')).replace(QStringLiteral("*.*"), QStringLiteral("*"));
        filters << name + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> QtFileDialogPort::askOpenPath(const app::FileDialog& dialog) {
    return firstOf(run(QFileDialog::AcceptOpen, QFileDialog::ExistingFile, dialog));
}

std::vector<std::string> QtFileDialogPort::askOpenPaths(const app::FileDialog& dialog) {
    return run(QFileDialog::AcceptOpen, QFileDialog::ExistingFiles, dialog);
}

std::optional<std::string> QtFileDialogPort::askSavePath(const app::FileDialog& dialog) {
    return firstOf(run(QFileDialog::AcceptSave, QFileDialog::AnyFile, dialog));
}

}  // namespace tabrin::ui
