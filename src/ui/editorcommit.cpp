// Writing what the open cell editor of a table holds.
#include "ui/editorcommit.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>

namespace tabrin::ui {

void commitOpenEditor(QAbstractItemView* view) {
    const QModelIndex current = view->currentIndex();
    QWidget* editor = current.isValid() ? view->indexWidget(current) : nullptr;
    if (!editor) return;
    QAbstractItemDelegate* delegate = view->itemDelegateForIndex(current);
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor);
}

}  // namespace tabrin::ui
