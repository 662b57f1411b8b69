// Words of two panel characters as assembler lines, and the free-text conversion built on them.
#include "panel/panelwords.h"

namespace tabrin::panel {

PanelWord takeWord(std::string_view& rest, PanelTable table) {
    const std::string_view before = rest;
    const int low = panelCode(rest, table);
    rest = withoutFirstPanelCharacter(rest);
    const int high = panelCode(rest, table);
    rest = withoutFirstPanelCharacter(rest);
    const int end = endCode(table);
    return {"    .word    " + std::to_string(high) + "*256+" + std::to_string(low) + "    ; " + std::string(before),
            low == end || high == end};
}

std::vector<std::string> freeTextLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) lines.push_back(takeWord(text, PanelTable::A).line);
    return lines;
}

}  // namespace tabrin::panel
