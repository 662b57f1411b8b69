// Words of two panel characters as assembler lines, and the free-text conversion built on them.
#include "panel/panelwords.h"

namespace tabrin::panel {

PanelWord takeWord(std::string_view& rest, PanelTable table, std::size_t noteLength) {
    const std::string note = rest.size() > noteLength ? std::string(rest.substr(0, noteLength)) + "..." : std::string(rest);
    const int low = panelCode(rest, table);
    rest = withoutFirstPanelCharacter(rest);
    const int high = panelCode(rest, table);
    rest = withoutFirstPanelCharacter(rest);
    const int end = endCode(table);
    return {"    .word    " + std::to_string(high) + "*256+" + std::to_string(low) + "    ; " + note,
            low == end || high == end};
}

std::vector<std::string> freeTextLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) lines.push_back(takeWord(text, PanelTable::A, kFreeTextNoteLength).line);
    return lines;
}

}  // namespace tabrin::panel
