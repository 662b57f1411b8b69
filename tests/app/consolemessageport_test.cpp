// Messages printed for a program without windows: the text, a table with its marked cells and the
// closing text, and the answer of a user who accepts.
#include <gtest/gtest.h>

#include <sstream>

#include "app/consolemessageport.h"
#include "support/utf8.h"

namespace tabrin::app {
namespace {

using test::w;

TEST(ConsoleMessagePort, PrintsTheTableBetweenTheTexts) {
    Message message{w("Внимание"), w("Сравните:"), MessageButtons::YesNo, MessageIcon::Warning};
    message.table = MessageTable{{{"", 1}, {w("В словаре:"), 2}},
                                 {w("Номер"), w("Значение"), w("Формат")},
                                 {{{"00h"}, {"10", true}, {"U16"}}, {{"01h"}, {"5"}, {"I8", true}}}};
    message.closingText = w("Заменить?");
    std::ostringstream out;
    ConsoleMessagePort(out).ask(message);
    EXPECT_EQ(out.str(),
              "Внимание: Сравните:\n"
              " | В словаре:\n"
              "Номер | Значение | Формат\n"
              "00h | 10* | U16\n"
              "01h | 5 | I8*\n"
              "Заменить?\n");
}

TEST(ConsoleMessagePort, AnswersAsAUserWhoAccepts) {
    const struct {
        const char* name;
        MessageButtons buttons;
        std::vector<NamedAnswer> named;
        MessageAnswer answer;
    } rows[] = {
        {"OK alone", MessageButtons::Ok, {}, MessageAnswer::Ok},
        {"OK or cancel", MessageButtons::OkCancel, {}, MessageAnswer::Ok},
        {"yes, no or cancel", MessageButtons::YesNoCancel, {}, MessageAnswer::Yes},
        {"named yes after cancel",
         MessageButtons::Ok,
         {{"x", MessageAnswer::Cancel}, {"y", MessageAnswer::Yes}},
         MessageAnswer::Yes},
        {"named answers instead of the buttons",
         MessageButtons::YesNo,
         {{"x", MessageAnswer::Cancel}, {"y", MessageAnswer::No}},
         MessageAnswer::Cancel},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Message message{"", "?", row.buttons};
        message.namedAnswers = row.named;
        std::ostringstream out;
        EXPECT_EQ(ConsoleMessagePort(out).ask(message), row.answer);
        EXPECT_EQ(out.str(), "?\n");
    }
}

}  // namespace
}  // namespace tabrin::app
