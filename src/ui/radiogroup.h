// A titled group of radio buttons chosen by position, with item texts that translation can reach.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace tabrin::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    int itemCount() const;
    QString itemText(int position) const;
    void setItemText(int position, const QString& text);

    /// The checked position, or -1.
    int itemIndex() const;
    /// Checks a position without telling `itemChosen`.
    void setItemIndex(int position);

signals:
    /// The user chose the item at `position`: with the mouse, the keyboard or an assistive tool.
    void itemChosen(int position);

private:
    QButtonGroup* m_buttons;
    bool m_setting = false;  // a position checked by the program, not chosen by the user
};

}  // namespace tabrin::ui
