// The in-place editor of an enumeration item's text: an "@" typed vanishes at once and a single
// quote is refused with its message as it is typed, not only when the cell is written.
#pragma once

#include <QStyledItemDelegate>

#include <memory>

namespace tabrin::editing {
class EnumerationsPage;
}

namespace tabrin::ui {

class ItemTextDelegate : public QStyledItemDelegate {
public:
    ItemTextDelegate(const std::unique_ptr<editing::EnumerationsPage>& page, QObject* parent)
        : QStyledItemDelegate(parent), m_page(page) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const std::unique_ptr<editing::EnumerationsPage>& m_page;
};

}  // namespace tabrin::ui
