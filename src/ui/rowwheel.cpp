// Scrolling a table one row per wheel notch.
#include "ui/rowwheel.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QWheelEvent>

namespace tabrin::ui {
namespace {

constexpr int kNotch = 120;  // eighths of a degree per wheel notch

}  // namespace

RowWheel::RowWheel(QAbstractItemView* view) : QObject(view), m_view(view) {}

void RowWheel::install(QAbstractItemView* view) {
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->viewport()->installEventFilter(new RowWheel(view));
}

bool RowWheel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    m_remainder += static_cast<QWheelEvent*>(event)->angleDelta().y();
    const int notches = m_remainder / kNotch;
    m_remainder -= notches * kNotch;
    QScrollBar* rows = m_view->verticalScrollBar();
    if (notches != 0) rows->setValue(rows->value() - notches);
    event->accept();
    return true;
}

}  // namespace tabrin::ui
