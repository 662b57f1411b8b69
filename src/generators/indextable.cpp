// The index table of the C file (OD_TBL1) and the first entry of every index range in it.
#include "generators/indextable.h"

#include "model/dictobject.h"
#include "model/numbertext.h"

namespace tabrin::generators {

std::vector<IndexRecord> indexTableRows(const std::vector<model::DictObject*>& view,
                                        const std::vector<IndexRecord>& registered) {
    std::vector<IndexRecord> rows;
    for (const model::DictObject* object : view) {
        if (object->subindex != "00h") continue;
        const std::size_t row = rows.size();
        rows.push_back({model::hexTextToNumber(object->index), row < registered.size() ? registered[row].position : 0});
    }
    return rows;
}

std::array<int, kLastRange> firstIndexValues(const std::vector<IndexRecord>& rows, int indexCount) {
    // Each entry of the index table takes two words.
    const int end = 2 * indexCount;
    std::array<int, kLastRange> values{};
    int next = end;
    for (int range = kLastRange; range >= kFirstRange; --range) {
        int value = next;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (static_cast<int>(rows[row].index >> 12) == range) {
                value = 2 * static_cast<int>(row);
                break;
            }
        }
        values[static_cast<std::size_t>(range - kFirstRange)] = next = value;
    }
    for (int& value : values) {
        if (value >= end) value = end - 2;
    }
    return values;
}

}  // namespace tabrin::generators
