// The in-place editor of an enumeration item's text.
#include "ui/itemtextdelegate.h"

#include <QLineEdit>

#include <algorithm>
#include <memory>

#include "editing/enumerationitems.h"
#include "editing/enumerationspage.h"
#include "ui/qtext.h"

namespace tabrin::ui {

QWidget* ItemTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    // The text before the last keystroke, to go back to when a quote is refused.
    auto accepted = std::make_shared<QString>();
    connect(editor, &QLineEdit::textEdited, editor, [this, editor, accepted](const QString& text) {
        const int cursor = editor->cursorPosition();
        const std::string typed = fromQString(text);
        if (!m_page->acceptsTyped(typed)) {
            editor->setText(*accepted);
            editor->setCursorPosition(std::min(cursor - 1, static_cast<int>(accepted->size())));
            return;
        }
        const QString kept = toQString(editing::withoutSeparators(typed));
        if (kept != text) {
            editor->setText(kept);
            editor->setCursorPosition(std::max(cursor - static_cast<int>(text.size() - kept.size()), 0));
        }
        *accepted = kept;
    });
    connect(editor, &QLineEdit::textChanged, editor, [accepted](const QString& text) {
        if (!text.contains(QLatin1Char('\'')) && !text.contains(QLatin1Char('@'))) *accepted = text;
    });
    return editor;
}

}  // namespace tabrin::ui
