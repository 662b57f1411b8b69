// A file-dialog port for tests: answers from a script and records every dialog it was asked to show.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/filedialogport.h"

namespace tabrin::test {

class ScriptedFileDialogPort : public app::FileDialogPort {
public:
    /// Paths to answer with, in order (nothing: the user cancels); when the script runs out, every
    /// dialog is cancelled.
    explicit ScriptedFileDialogPort(std::deque<std::optional<std::string>> script = {}) : m_script(std::move(script)) {}

    void answer(std::optional<std::string> path) { m_script.push_back(std::move(path)); }

    std::optional<std::string> askOpenPath(const app::FileDialog& dialog) override { return next(dialog); }
    std::optional<std::string> askSavePath(const app::FileDialog& dialog) override { return next(dialog); }

    const std::vector<app::FileDialog>& asked() const { return m_asked; }

private:
    std::optional<std::string> next(const app::FileDialog& dialog) {
        m_asked.push_back(dialog);
        if (m_script.empty()) return std::nullopt;
        std::optional<std::string> path = std::move(m_script.front());
        m_script.pop_front();
        return path;
    }

    std::deque<std::optional<std::string>> m_script;
    std::vector<app::FileDialog> m_asked;
};

}  // namespace tabrin::test
