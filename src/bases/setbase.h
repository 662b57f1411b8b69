// The enumeration base: every enumeration of the program, loaded from and saved to its file.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "app/messageport.h"
#include "bases/basestore.h"
#include "bases/setbaseelement.h"

namespace tabrin::bases {

/// Enumerations with a fixed role.
inline constexpr std::string_view kUnitPrefixesSet = "6";
inline constexpr std::string_view kUnitsSet = "7";
inline constexpr int kMaxUnitPrefixes = 8;
inline constexpr int kMaxUnits = 64;

/// Enumeration numbers share the range of text numbers.
inline constexpr int kMaxSetNumber = 32767;

class SetBase : public BaseStore<SetBaseElement> {
public:
    SetBase() : BaseStore("Sets") {}

    static std::filesystem::path filePath(const std::filesystem::path& programFolder);

    /// Position of the first enumeration whose number is exactly this text (after trimming); -1 when none.
    int find(std::string_view number) const;
    const SetBaseElement* findSet(std::string_view number) const;

    /// Appends a new enumeration of `user` with two empty items and returns its position;
    /// -1 when every number is taken.
    int addSet(std::string_view user);
};

}  // namespace tabrin::bases
