// Messages and questions of the core shown as message boxes.
#include "ui/qtmessageport.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/messagedialog.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

QMessageBox::Icon boxIcon(app::MessageIcon icon) {
    switch (icon) {
    case app::MessageIcon::Information: return QMessageBox::Information;
    case app::MessageIcon::Warning: return QMessageBox::Warning;
    case app::MessageIcon::Error: return QMessageBox::Critical;
    case app::MessageIcon::Question: return QMessageBox::Question;
    case app::MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(app::MessageButtons buttons) {
    switch (buttons) {
    case app::MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case app::MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case app::MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case app::MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

app::MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes: return app::MessageAnswer::Yes;
    case QMessageBox::No: return app::MessageAnswer::No;
    case QMessageBox::Ok: return app::MessageAnswer::Ok;
    default: return app::MessageAnswer::Cancel;
    }
}

}  // namespace

app::MessageAnswer QtMessagePort::ask(const app::Message& message) {
    if (message.table || !message.namedAnswers.empty()) {
        MessageDialog dialog(message, QApplication::activeWindow());
        dialog.exec();
        return dialog.answer();
    }
    QMessageBox box(boxIcon(message.icon), toQString(message.caption), toQString(message.text),
                    boxButtons(message.buttons), QApplication::activeWindow());
    box.setInformativeText(toQString(message.closingText));
    return answerOf(box.exec());
}

}  // namespace tabrin::ui
