// A warning in a panel of the status bar that makes the bar blink until it is cleared.
#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

namespace tabrin::ui {

class BlinkingStatus : public QObject {
    Q_OBJECT

public:
    /// Blinks `bar`, writing into its panel `panel`.
    BlinkingStatus(QStatusBar* bar, QLabel* panel);

    /// Shows `text` and starts blinking: yellow at the first tick of 500 ms, then the normal colour
    /// and so on. An empty text stops the blinking and empties the panel.
    void show(const QString& text);
    bool isBlinking() const;

private:
    void tick();

    QStatusBar* m_bar;
    QLabel* m_panel;
    QTimer* m_timer;
    bool m_yellow = false;
};

}  // namespace tabrin::ui
