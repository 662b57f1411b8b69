// Words of two panel characters as assembler lines, and the free-text conversion built on them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "panel/panelencoding.h"

namespace tabrin::panel {

struct PanelWord {
    std::string line;   // "    .word    " + c2 + "*256+" + c1 + "    ; " + the text before the word
    // One of its two codes is the end code: in table А, where no character has that code, the
    // text ended within this word.
    bool holdsEndCode;
};

/// The word of the next two panel characters of `rest`, which loses them. Past the end of the
/// text a code is the table's end code.
PanelWord takeWord(std::string_view& rest, PanelTable table);

/// The word lines (table А) of a text typed by the user, until the text is used up.
std::vector<std::string> freeTextLines(std::string_view text);

}  // namespace tabrin::panel
