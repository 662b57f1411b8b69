// The desktop services the program's pages share: the folder picker and the clipboard.
#pragma once

#include <QString>

#include <string_view>

class QWidget;

namespace tabrin::ui {

/// The folder the user picks in the platform's folder browser, started at `initialFolder`; empty
/// when cancelled.
QString selectFolder(const QString& initialFolder, QWidget* owner, const QString& title);

/// Replaces the clipboard's content with a Windows-1251 text, as Unicode text.
void copyToClipboard(std::string_view cp1251Text);

}  // namespace tabrin::ui
