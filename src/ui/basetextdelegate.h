// The in-place editor of a text of the bases (a text of the text base, an enumeration item): a
// single quote is refused at the key and a pasted one is taken out, and the user is told only once
// the editor's own handling is over, so that the message box never runs inside it. A message box
// over the editor leaves it open with what it holds.
#pragma once

#include <QStyledItemDelegate>

#include <functional>
#include <string>
#include <string_view>

namespace tabrin::ui {

class BaseTextDelegate : public QStyledItemDelegate {
public:
    /// `kept` turns a typed text without its quotes into what the editor keeps (the enumerations
    /// page drops "@"); `tellQuoteRefused` tells the user that a quote was refused.
    BaseTextDelegate(std::function<std::string(std::string_view)> kept, std::function<void()> tellQuoteRefused,
                     QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuseQuoteLater() const;

    std::function<std::string(std::string_view)> m_kept;
    std::function<void()> m_tellQuoteRefused;
};

}  // namespace tabrin::ui
