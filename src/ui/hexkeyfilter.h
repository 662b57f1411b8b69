// The key filter of the fields that take hexadecimal digits only: the range filter's texts and the
// index fields of the object dialogs.
#pragma once

#include <QObject>

namespace tabrin::ui {

/// Installed on a line edit: digits 0-9, letters A-F (small ones become capitals) and backspace
/// are typed; any other printable key is dropped. Keys without a printable character (Enter,
/// arrows, Delete, shortcuts) go on as usual.
class HexKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tabrin::ui
