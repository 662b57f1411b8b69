// A message port for tests: answers from a script and records every message it was shown.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "app/messageport.h"

namespace tabrin::test {

class ScriptedMessagePort : public app::MessagePort {
public:
    /// Answers to give, in order; when the script runs out, every question gets `fallback`.
    explicit ScriptedMessagePort(std::deque<app::MessageAnswer> script = {}, app::MessageAnswer fallback = app::MessageAnswer::Ok)
        : m_script(std::move(script)), m_fallback(fallback) {}

    /// Runs `hook` whenever a message is shown, to look at the window while it waits for the answer.
    void onAsk(std::function<void()> hook) { m_hook = std::move(hook); }

    app::MessageAnswer ask(const app::Message& message) override {
        m_asked.push_back(message);
        if (m_hook) m_hook();
        if (m_script.empty()) return m_fallback;
        const app::MessageAnswer answer = m_script.front();
        m_script.pop_front();
        return answer;
    }

    const std::vector<app::Message>& asked() const { return m_asked; }

private:
    std::deque<app::MessageAnswer> m_script;
    app::MessageAnswer m_fallback;
    std::vector<app::Message> m_asked;
    std::function<void()> m_hook;
};

}  // namespace tabrin::test
