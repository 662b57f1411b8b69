// The one way the core asks the user a question or tells them something.
#pragma once

#include <string>

namespace tabrin::app {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

/// A message box: caption and text are Windows-1251 bytes, already translated.
struct Message {
    std::string caption;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

/// Shows a message and returns the button the user chose. The window layer shows a
/// message box; tests answer from a script and keep what was asked.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual MessageAnswer ask(const Message& message) = 0;
};

}  // namespace tabrin::app
