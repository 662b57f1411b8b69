// Writing what the open cell editor of a table holds, before what the table shows is saved.
#pragma once

class QAbstractItemView;

namespace tabrin::ui {

/// Commits and closes the editor open on the current cell of `view`, if there is one.
void commitOpenEditor(QAbstractItemView* view);

}  // namespace tabrin::ui
