// The enumeration base: every enumeration of the program, loaded from and saved to its file.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "app/messageport.h"
#include "bases/setbaseelement.h"

namespace tabrin::bases {

/// Enumerations with a fixed role.
inline constexpr std::string_view kUnitPrefixesSet = "6";
inline constexpr std::string_view kUnitsSet = "7";
inline constexpr int kMaxUnitPrefixes = 8;
inline constexpr int kMaxUnits = 64;

/// Enumeration numbers share the range of text numbers.
inline constexpr int kMaxSetNumber = 32767;

class SetBase {
public:
    static std::filesystem::path filePath(const std::filesystem::path& programFolder);

    /// Reads the base from `file`: false (and the base untouched) when the file does not exist.
    /// A parsing fault is told through `port`; the base keeps what could be read.
    bool load(const std::filesystem::path& file, app::MessagePort& port);

    /// Writes the whole base to `file`. A base whose file was not read without faults is not
    /// written over that file. Clears the modified flag only when the file was written.
    model::TOperationResult save(const std::filesystem::path& file);

    /// Position of the first enumeration whose number is exactly this text (after trimming); -1 when none.
    int find(std::string_view number) const;
    const SetBaseElement* findSet(std::string_view number) const;

    /// Appends a new enumeration of `user` with two empty items and returns its position;
    /// -1 when every number is taken.
    int addSet(std::string_view user);

    const std::vector<SetBaseElement>& elements() const { return m_elements; }
    std::vector<SetBaseElement>& elements() { return m_elements; }

    /// False after the last load met a parsing fault (the base then holds what could be read).
    bool readCleanly() const { return m_unreadFile.empty(); }

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

private:
    std::vector<SetBaseElement> m_elements;
    bool m_modified = false;
    std::filesystem::path m_unreadFile;  // a file whose reading went wrong, never to be overwritten
};

}  // namespace tabrin::bases
