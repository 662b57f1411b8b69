// The format table of the C file (OD_TBL2): one record of 16-bit words per object, with the index
// positions, storage counts and hash input gathered on the way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "generators/memorylayout.h"

namespace tabrin::model {
struct DictObject;
}

namespace tabrin::generators {

/// Where the record of an index starts in the format table, in words.
struct IndexRecord {
    std::uint32_t index;
    int position;

    bool operator==(const IndexRecord&) const = default;
};

struct FormatTable {
    std::vector<std::string> lines;    // the records, without the table's opening and closing lines
    std::vector<IndexRecord> indexes;  // roots and objects outside a root's group, in view order
    StorageCounters counters;
    /// Every object's index, subindex, effective format word (a root's member count) and text
    /// number, each object's pieces joined with "_".
    std::string hashInput;
};

/// The records of every object of the view in view order. A root's record gives the largest value
/// class of its members, and each member's record is padded to that class so that the controller
/// steps through a group with one record length. `scramble` encrypts the first word of each record.
FormatTable writeFormatTable(const std::vector<model::DictObject*>& view, bool scramble);

}  // namespace tabrin::generators
