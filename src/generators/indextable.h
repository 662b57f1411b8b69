// The index table of the C file (OD_TBL1) and the first entry of every index range in it.
#pragma once

#include <array>
#include <vector>

#include "generators/formattable.h"
#include "generators/memorylayout.h"

namespace tabrin::model {
struct DictObject;
}

namespace tabrin::generators {

/// One row per object at subindex 00h, in view order: its index and the record start registered
/// for the n-th of them by the format table (0 when the table registered fewer).
std::vector<IndexRecord> indexTableRows(const std::vector<model::DictObject*>& view,
                                        const std::vector<IndexRecord>& registered);

/// For ranges 1 to 6: 2 × the row of the range's first index, where the controller starts
/// searching. A range without index takes the next range's value, the last one 2 × `indexCount`;
/// a value beyond the table becomes that of its last row, 2 × `indexCount` − 2.
std::array<int, kLastRange> firstIndexValues(const std::vector<IndexRecord>& rows, int indexCount);

}  // namespace tabrin::generators
