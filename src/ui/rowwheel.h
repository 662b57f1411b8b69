// Scrolling a table one row per wheel notch, whatever the desktop's lines per notch say.
#pragma once

#include <QObject>

class QAbstractItemView;

namespace tabrin::ui {

class RowWheel : public QObject {
    Q_OBJECT

public:
    /// Makes the wheel over `view` scroll it one row per notch, and do nothing else.
    static void install(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RowWheel(QAbstractItemView* view);

    QAbstractItemView* m_view;
    int m_remainder = 0;  // eighths of a degree not yet turned into rows
};

}  // namespace tabrin::ui
