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

/// The most of the rest of a typed text that the note of a free-text word line shows.
inline constexpr std::size_t kFreeTextNoteLength = 40;

/// The word of the next two panel characters of `rest`, which loses them. Past the end of the
/// text a code is the table's end code. The note shows at most `noteLength` bytes of the text,
/// followed by "..." when it is cut.
PanelWord takeWord(std::string_view& rest, PanelTable table, std::size_t noteLength = std::string_view::npos);

/// The word lines (table А) of a text typed by the user, until the text is used up. Their notes
/// are cut, so that the lines of a long text grow with it and not with its square.
std::vector<std::string> freeTextLines(std::string_view text);

}  // namespace tabrin::panel
