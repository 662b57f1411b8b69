// The sentence that tells what a format word means, written beside it in the assembler file.
#pragma once

#include <string>

namespace tabrin::app {
class Translator;
}

namespace tabrin::generators {

/// The access type, data type and, for a bit field, the display and position of the field, as one
/// Russian sentence in the interface language (Windows-1251), or the root sentence for a word of
/// 255 or less. The no-range mark and the Q format are not described.
std::string describeParameter(int formatWord, app::Translator& translator);

}  // namespace tabrin::generators
