// The character codes of the 240x operator panels: table А and table Ш, with their escapes.
#pragma once

#include <string_view>

namespace tabrin::panel {

/// Table А serves panel type А, table Ш panel type Ш. Both give the same codes to plain
/// characters and differ in their escapes and end code.
enum class PanelTable { A, Sh };

/// The code that stands for "no character": 255 in table А, 128 in table Ш.
int endCode(PanelTable table);

/// The code of the panel character at the front of `text` (Windows-1251): one character, or "~"
/// with the character after it. Characters and escapes the table lacks give 128; an empty text
/// gives the end code.
int panelCode(std::string_view text, PanelTable table);

/// `text` without the panel character at its front.
std::string_view withoutFirstPanelCharacter(std::string_view text);

/// How many panel characters `text` holds.
int panelCharacterCount(std::string_view text);

}  // namespace tabrin::panel
