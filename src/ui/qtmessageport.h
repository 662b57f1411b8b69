// Messages and questions of the core shown as message boxes.
#pragma once

#include "app/messageport.h"

namespace tabrin::ui {

/// Shows each message as a modal message box over the active window; one with a table or with
/// buttons of its own as a dialog that shows them.
class QtMessagePort : public app::MessagePort {
public:
    app::MessageAnswer ask(const app::Message& message) override;
};

}  // namespace tabrin::ui
