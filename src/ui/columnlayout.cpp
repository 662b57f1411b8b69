// A table whose columns follow a rule of its width.
#include "ui/columnlayout.h"

#include <QEvent>
#include <QTableView>

#include "ui/columnfit.h"

namespace tabrin::ui {

ColumnLayout::ColumnLayout(QTableView* view, WidthRule rule) : QObject(view), m_view(view), m_rule(std::move(rule)) {
    view->installEventFilter(this);
    apply();
}

void ColumnLayout::apply() { setColumnWidths(m_view, m_rule(m_view->width())); }

bool ColumnLayout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) apply();
    return QObject::eventFilter(watched, event);
}

}  // namespace tabrin::ui
