// The key filter of the fields that take hexadecimal digits only: the range filter's texts and the
// index fields of the object dialogs.
#include "ui/hexkeyfilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "editing/gridfilterinput.h"

namespace tabrin::ui {

bool HexKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() != 1 || (!text[0].isPrint() && text[0] != QLatin1Char(editing::kBackspace))) return false;
    const char key = text[0].unicode() < 0x80 ? static_cast<char>(text[0].unicode()) : '\0';
    const std::optional<char> taken = editing::acceptedRangeKey(key);
    if (!taken) return true;
    if (*taken == key) return false;
    static_cast<QLineEdit*>(watched)->insert(QString(QLatin1Char(*taken)));
    return true;
}

}  // namespace tabrin::ui
