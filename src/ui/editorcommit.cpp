// Writing what the open cell editors hold.
#include "ui/editorcommit.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>

namespace tabrin::ui {

namespace {
void commitOpenEditor(QAbstractItemView* view) {
    const QModelIndex current = view->currentIndex();
    QWidget* editor = current.isValid() ? view->indexWidget(current) : nullptr;
    if (!editor) return;
    QAbstractItemDelegate* delegate = view->itemDelegateForIndex(current);
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor);
}

}  // namespace

void commitOpenEditors(QWidget* area) {
    if (auto* view = qobject_cast<QAbstractItemView*>(area)) commitOpenEditor(view);
    for (QAbstractItemView* view : area->findChildren<QAbstractItemView*>()) commitOpenEditor(view);
}

}  // namespace tabrin::ui
