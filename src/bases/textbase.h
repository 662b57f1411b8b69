// The text base: every text of the program, ordered by number, loaded from and saved to its file.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "app/messageport.h"
#include "bases/basestore.h"
#include "bases/textbaseelement.h"

namespace tabrin::bases {

/// Text numbers stay within the 16-bit signed range the controllers use.
inline constexpr int kMaxTextNumber = 32767;

/// Kinds of text: 0 long Russian, 1 long English, 2 short.
std::string textOfKind(const TextBaseElement& element, int kind);

class TextBase : public BaseStore<TextBaseElement> {
public:
    TextBase() : BaseStore("Texts") {}

    static std::filesystem::path filePath(const std::filesystem::path& programFolder);

    /// Position of the text with this number, found by binary search on the number order; -1 when none.
    int find(std::string_view number) const;
    /// Position of the first text whose number is exactly this text (after trimming); -1 when none.
    int findExact(std::string_view number) const;

    /// Adds an empty text of `user` and returns its position, or -1 when nothing could be added
    /// (an empty base gets no texts this way). With `reuseOwnEmpty`, an existing text of the user
    /// with no texts is returned instead.
    int addText(bool reuseOwnEmpty, std::string_view user);
};

}  // namespace tabrin::bases
