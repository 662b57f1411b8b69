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
    explicit ScriptedFileDialogPort(std::deque<std::optional<std::string>> script = {}) {
        for (std::optional<std::string>& path : script) answer(std::move(path));
    }

    void answer(std::optional<std::string> path) {
        m_script.push_back(path ? std::vector<std::string>{std::move(*path)} : std::vector<std::string>{});
    }
    /// The files a dialog choosing several answers with; a dialog choosing one takes the first.
    void answerFiles(std::vector<std::string> paths) { m_script.push_back(std::move(paths)); }

    std::optional<std::string> askOpenPath(const app::FileDialog& dialog) override { return first(next(dialog)); }
    std::vector<std::string> askOpenPaths(const app::FileDialog& dialog) override { return next(dialog); }
    std::optional<std::string> askSavePath(const app::FileDialog& dialog) override { return first(next(dialog)); }

    const std::vector<app::FileDialog>& asked() const { return m_asked; }

private:
    static std::optional<std::string> first(std::vector<std::string> paths) {
        if (paths.empty()) return std::nullopt;
        return std::move(paths.front());
    }

    std::vector<std::string> next(const app::FileDialog& dialog) {
        m_asked.push_back(dialog);
        if (m_script.empty()) return {};
        std::vector<std::string> paths = std::move(m_script.front());
        m_script.pop_front();
        return paths;
    }

    std::deque<std::vector<std::string>> m_script;  // empty: the user cancels
    std::vector<app::FileDialog> m_asked;
};

}  // namespace tabrin::test
