// The in-place editor of a text of the bases.
#include "ui/basetextdelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

#include "editing/quoterefusal.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

bool holdsQuote(const QString& text) { return text.contains(QLatin1Char(editing::kSingleQuote)); }

// A window shown modally over the editor's own (a message, a question) has taken the focus.
bool modalWindowOver(const QWidget* editor) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != editor->window();
}

}  // namespace

BaseTextDelegate::BaseTextDelegate(std::function<std::string(std::string_view)> kept,
                                   std::function<void()> tellQuoteRefused, QObject* parent)
    : QStyledItemDelegate(parent), m_kept(std::move(kept)), m_tellQuoteRefused(std::move(tellQuoteRefused)) {}

QWidget* BaseTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    // What reaches the text without a key (a paste, a drop) is cleaned after the fact.
    connect(editor, &QLineEdit::textEdited, editor, [this, editor](const QString& text) {
        const bool quoted = holdsQuote(text);
        const QString kept = toQString(m_kept(editing::withoutSingleQuotes(fromQString(text))));
        if (kept != text) {
            const int cursor = editor->cursorPosition() - static_cast<int>(text.size() - kept.size());
            editor->setText(kept);
            editor->setCursorPosition(std::max(cursor, 0));
        }
        if (quoted) refuseQuoteLater();
    });
    return editor;
}

// The table, not the editor, carries the call: the editor may be closed by then.
void BaseTextDelegate::refuseQuoteLater() const { QTimer::singleShot(0, parent(), m_tellQuoteRefused); }

bool BaseTextDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor && event->type() == QEvent::KeyPress && holdsQuote(static_cast<QKeyEvent*>(event)->text())) {
        refuseQuoteLater();
        return true;
    }
    // The editor neither commits nor closes under a message box; it has the focus back afterwards.
    if (editor && event->type() == QEvent::FocusOut && modalWindowOver(editor)) return false;
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace tabrin::ui
