// The layout of the parameters in the controller's non-volatile memory: bytes counted per index
// range and access type, and the offsets of each range's parts.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "generators/formatword.h"

namespace tabrin::generators {

/// Index ranges r×1000h to r×1000h + FFFh, r from 1; 1 and 2 are the mandatory part of the
/// dictionary, the others the user part.
inline constexpr int kFirstRange = 1;
inline constexpr int kLastRange = 6;
inline constexpr int kLastMandatoryRange = 2;

/// The parts of every range in memory order: the Editable, Protected and Secret parameters, each
/// followed by its CRC.
inline constexpr std::array<std::string_view, 6> kRangeParts = {"rw", "rwCRC", "rwp", "rwpCRC", "rwps", "rwpsCRC"};

/// Bytes of the parameters that are Editable, Protected and Secret, per range.
struct StorageCounters {
    std::array<int, kLastRange + 1> editable{};
    std::array<int, kLastRange + 1> protectedAccess{};
    std::array<int, kLastRange + 1> secret{};

    /// Counts the storage size of an object at `index` with format word `word`; objects outside
    /// the ranges and Viewable ones count nothing.
    void add(std::uint32_t index, int word, OutputForm form);

    bool operator==(const StorageCounters&) const = default;
};

/// One part of a range: its name suffix ("rw", "rwCRC", …) and its byte offset.
struct LayoutPart {
    std::string_view suffix;
    int offset;
};

/// The parts of one range, in the order of `kRangeParts`.
using RangeLayout = std::array<LayoutPart, kRangeParts.size()>;

/// The six parts of every range from 1 to `lastRange` in the order of `kRangeParts`: each access
/// type's bytes followed by a 2-byte CRC, the offset running on through all ranges from 0.
std::vector<RangeLayout> memoryLayout(const StorageCounters& counters, int lastRange);

}  // namespace tabrin::generators
