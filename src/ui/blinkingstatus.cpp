// A warning in a panel of the status bar that makes the bar blink until it is cleared.
#include "ui/blinkingstatus.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace tabrin::ui {
namespace {

constexpr int kBlinkMs = 500;

}  // namespace

BlinkingStatus::BlinkingStatus(QStatusBar* bar, QLabel* panel)
    : QObject(bar), m_bar(bar), m_panel(panel), m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("TimerBaseObjectWarning"));
    m_timer->setInterval(kBlinkMs);
    m_bar->setAutoFillBackground(true);
    connect(m_timer, &QTimer::timeout, this, &BlinkingStatus::tick);
}

void BlinkingStatus::show(const QString& text) {
    m_panel->setText(text);
    m_yellow = false;
    m_bar->setPalette(QPalette());
    if (text.isEmpty())
        m_timer->stop();
    else
        m_timer->start();
}

bool BlinkingStatus::isBlinking() const { return m_timer->isActive(); }

void BlinkingStatus::tick() {
    m_yellow = !m_yellow;
    QPalette palette;
    if (m_yellow) palette.setColor(QPalette::Window, Qt::yellow);
    m_bar->setPalette(palette);
}

}  // namespace tabrin::ui
