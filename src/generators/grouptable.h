// The group table of the controller file: the parameter group of every index, as a group number
// or, in the old scheme, as a mask over the groups the index belongs to.
#pragma once

#include <string>
#include <vector>

namespace tabrin::model {
struct DictObject;
}

namespace tabrin::generators {

struct GroupTable {
    std::vector<std::string> lines;
    std::string error;  // why the table could not be written; empty when it was
};

/// One line per object at subindex 00h. With `oldGroups`, each line is a mask whose bit j is set
/// when the object's `fullgroup` list ("5/2") holds the j-th smallest of the first 16 distinct
/// group numbers of all lists; a list piece that is no integer leaves the table unwritten.
/// Otherwise each line is the object's group number minus 2.
GroupTable groupTableLines(const std::vector<model::DictObject*>& view, bool oldGroups);

/// The number written for an object's group: `group` minus 2 (a text that is no number counts as 2).
int groupTableNumber(const model::DictObject& object);

}  // namespace tabrin::generators
