// Window position and size kept between runs in the file "FormStorage.ini" of the program folder.
#pragma once

#include <filesystem>
#include <string>

class QWidget;

namespace tabrin::ui {

/// Gives `window` the position and size stored under its name; nothing when none is stored.
void restorePlacement(QWidget* window, const std::filesystem::path& storageFile);

/// Stores the position and size of `window` under its name, keeping what the file holds for other
/// windows. Returns an empty text on success, otherwise why the file was not written.
[[nodiscard]] std::string savePlacement(const QWidget* window, const std::filesystem::path& storageFile);

}  // namespace tabrin::ui
