// The one way the core asks the user a question or tells them something.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tabrin::app {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

/// A cell of a message's table; a marked cell is one the user should look at.
struct MessageCell {
    std::string text;
    bool marked = false;

    bool operator==(const MessageCell&) const = default;
};

/// A caption over `columns` neighbouring columns of a table.
struct MessageColumnGroup {
    std::string caption;
    int columns = 1;

    bool operator==(const MessageColumnGroup&) const = default;
};

/// A table shown between a message's text and its closing text. The groups, when there are any,
/// cover the columns from the first one on, left to right.
struct MessageTable {
    std::vector<MessageColumnGroup> groups = {};
    std::vector<std::string> headers = {};
    std::vector<std::vector<MessageCell>> rows = {};

    bool operator==(const MessageTable&) const = default;
};

/// A button with a caption of its own and the answer it gives.
struct NamedAnswer {
    std::string caption;
    MessageAnswer answer = MessageAnswer::Ok;

    bool operator==(const NamedAnswer&) const = default;
};

/// A message box: every text is Windows-1251 bytes, already translated.
struct Message {
    std::string caption;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::optional<MessageTable> table = std::nullopt;
    /// Shown after the table (or after the text when there is no table).
    std::string closingText = {};
    /// The buttons, in order, in place of `buttons` when there are any.
    std::vector<NamedAnswer> namedAnswers = {};

    bool operator==(const Message&) const = default;
};

/// The answers a message offers, in the order of its buttons.
std::vector<MessageAnswer> offeredAnswers(const Message& message);

/// Shows a message and returns the button the user chose. The window layer shows a
/// message box; tests answer from a script and keep what was asked.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual MessageAnswer ask(const Message& message) = 0;
};

}  // namespace tabrin::app
