// Writing what the open cell editors hold before what the tables show is saved, exported or left: a
// menu item, a shortcut or closing the window takes no focus from an editor, so it would not write
// its cell by itself.
#pragma once

class QWidget;

namespace tabrin::ui {

/// Commits and closes the cell editor open in every table inside `area` (and in `area` itself).
void commitOpenEditors(QWidget* area);

}  // namespace tabrin::ui
