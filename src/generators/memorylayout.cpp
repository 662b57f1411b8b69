// The layout of the parameters in the controller's non-volatile memory: bytes counted per index
// range and access type, and the offsets of each range's parts.
#include "generators/memorylayout.h"

namespace tabrin::generators {
namespace {

constexpr int kCrcBytes = 2;

}  // namespace

void StorageCounters::add(std::uint32_t index, int word, OutputForm form) {
    const int range = static_cast<int>(index >> 12);
    if (range < kFirstRange || range > kLastRange) return;
    switch (word >> 14) {
    case 1: editable[range] += storageSize(word, form); break;
    case 2: protectedAccess[range] += storageSize(word, form); break;
    case 3: secret[range] += storageSize(word, form); break;
    default: break;
    }
}

std::vector<RangeLayout> memoryLayout(const StorageCounters& counters, int lastRange) {
    std::vector<RangeLayout> layout;
    int offset = 0;
    for (int range = kFirstRange; range <= lastRange; ++range) {
        const std::array<int, kRangeParts.size()> bytes = {
            counters.editable[range], kCrcBytes, counters.protectedAccess[range], kCrcBytes,
            counters.secret[range],   kCrcBytes};
        RangeLayout& entry = layout.emplace_back();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            entry[i] = {kRangeParts[i], offset};
            offset += bytes[i];
        }
    }
    return layout;
}

}  // namespace tabrin::generators
