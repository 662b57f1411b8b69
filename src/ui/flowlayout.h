// A layout that sets its widgets side by side at their preferred sizes and starts a new line
// when the width runs out.
#pragma once

#include <QLayout>
#include <QList>

namespace tabrin::ui {

class FlowLayout : public QLayout {
public:
    /// `spacing` pixels between neighbours and between lines.
    explicit FlowLayout(int spacing, QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    /// Places the items within `rect` (only measures when `apply` is false); returns the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> m_items;
};

}  // namespace tabrin::ui
