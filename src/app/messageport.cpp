// The one way the core asks the user a question or tells them something.
#include "app/messageport.h"

namespace tabrin::app {

std::vector<MessageAnswer> offeredAnswers(const Message& message) {
    if (!message.namedAnswers.empty()) {
        std::vector<MessageAnswer> answers;
        for (const NamedAnswer& named : message.namedAnswers) answers.push_back(named.answer);
        return answers;
    }
    switch (message.buttons) {
    case MessageButtons::OkCancel: return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo: return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel: return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    case MessageButtons::Ok: break;
    }
    return {MessageAnswer::Ok};
}

}  // namespace tabrin::app
