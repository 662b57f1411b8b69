// The text base: every text of the program, ordered by number, loaded from and saved to its file.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "app/messageport.h"
#include "bases/textbaseelement.h"

namespace tabrin::bases {

/// Text numbers stay within the 16-bit signed range the controllers use.
inline constexpr int kMaxTextNumber = 32767;

/// Kinds of text: 0 long Russian, 1 long English, 2 short.
std::string textOfKind(const TextBaseElement& element, int kind);

class TextBase {
public:
    static std::filesystem::path filePath(const std::filesystem::path& programFolder);

    /// Reads the base from `file`: false (and the base untouched) when the file does not exist.
    /// A parsing fault is told through `port`; the base keeps what could be read.
    bool load(const std::filesystem::path& file, app::MessagePort& port);

    /// Writes the whole base to `file`. A base whose file was not read without faults is not
    /// written over that file. Clears the modified flag only when the file was written.
    model::TOperationResult save(const std::filesystem::path& file);

    /// Position of the text with this number, found by binary search on the number order; -1 when none.
    int find(std::string_view number) const;
    /// Position of the first text whose number is exactly this text (after trimming); -1 when none.
    int findExact(std::string_view number) const;

    /// Adds an empty text of `user` and returns its position, or -1 when nothing could be added
    /// (an empty base gets no texts this way). With `reuseOwnEmpty`, an existing text of the user
    /// with no texts is returned instead.
    int addText(bool reuseOwnEmpty, std::string_view user);

    const std::vector<TextBaseElement>& elements() const { return m_elements; }
    std::vector<TextBaseElement>& elements() { return m_elements; }

    /// False after the last load met a parsing fault (the base then holds what could be read).
    bool readCleanly() const { return m_unreadFile.empty(); }

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

private:
    std::vector<TextBaseElement> m_elements;
    bool m_modified = false;
    std::filesystem::path m_unreadFile;  // a file whose reading went wrong, never to be overwritten
};

}  // namespace tabrin::bases
