// Looking into the lines of a generated panel file: what follows a line, and the order of lines.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbase.h"
#include "panel/panelfile.h"
#include "support/scriptedmessageport.h"
#include "support/utf8.h"

namespace tabrin::test {

using Lines = std::vector<std::string>;

/// What a layout draws on: the user Иванов, the file made on 01.02.2024 10:20:30, no progress.
struct LayoutEnvironment {
    app::Translator translator;
    bases::SetBase sets;
    ScriptedMessagePort port;
    panel::PanelEnvironment environment{
        {sets, w("Иванов"), app::Language::Russian, translator, port, {}}, "01.02.2024 10:20:30", {}};
};

/// Converts UTF-8 lines to the Windows-1251 lines a layout writes.
inline Lines cp1251Lines(const std::vector<std::string>& utf8) {
    Lines lines;
    for (const std::string& line : utf8) lines.push_back(w(line));
    return lines;
}

/// The `count` lines after the first one equal to `anchor` (UTF-8), converted back to UTF-8;
/// fewer when the file ends, none when there is no such line.
inline std::vector<std::string> linesAfter(const Lines& lines, const std::string& anchor, std::size_t count) {
    const auto found = std::find(lines.begin(), lines.end(), w(anchor));
    std::vector<std::string> following;
    if (found == lines.end()) return following;
    for (auto it = found + 1; it != lines.end() && following.size() < count; ++it)
        following.push_back(cp1251::toUtf8(*it));
    return following;
}

/// Whether every line of `expected` (UTF-8) occurs in `lines`, in this order.
inline ::testing::AssertionResult haveInOrder(const Lines& lines, const std::vector<std::string>& expected) {
    auto from = lines.begin();
    for (const std::string& line : expected) {
        from = std::find(from, lines.end(), w(line));
        if (from == lines.end()) return ::testing::AssertionFailure() << "missing or out of order: " << line;
        ++from;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tabrin::test
