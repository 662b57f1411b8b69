// The group table of the controller file: the parameter group of every index, as a group number
// or, in the old scheme, as a mask over the groups the index belongs to.
#include "generators/grouptable.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "app/integertext.h"
#include "generators/valuetext.h"
#include "model/dictobject.h"

namespace tabrin::generators {
namespace {

constexpr std::size_t kMaxOldGroups = 16;
constexpr int kFirstGroupNumber = 2;
constexpr std::string_view kIndexSubindex = "00h";

using GroupList = std::vector<std::int64_t>;

// The numbers of a "5/2" list; an empty text is an empty list.
std::optional<GroupList> readGroupList(const model::DictObject& object, std::string& error) {
    GroupList numbers;
    std::string_view rest = object.fullgroup;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view piece = rest.substr(0, slash);
        const std::optional<std::int64_t> number = integerValue(piece);
        if (!number) {
            error = "'" + std::string(piece) + "' is not a valid integer value (group list '" + object.fullgroup +
                    "' of object " + object.address() + ")";
            return std::nullopt;
        }
        numbers.push_back(*number);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    return numbers;
}

GroupTable oldGroupLines(const std::vector<const model::DictObject*>& indexObjects) {
    GroupTable table;
    std::vector<GroupList> lists;
    for (const model::DictObject* object : indexObjects) {
        std::optional<GroupList> list = readGroupList(*object, table.error);
        if (!list) return table;
        lists.push_back(std::move(*list));
    }
    GroupList known;
    for (const GroupList& list : lists) {
        for (const std::int64_t number : list) {
            if (known.size() < kMaxOldGroups && std::find(known.begin(), known.end(), number) == known.end()) {
                known.push_back(number);
            }
        }
    }
    std::sort(known.begin(), known.end());
    for (const GroupList& list : lists) {
        unsigned mask = 0;
        for (std::size_t bit = 0; bit < known.size(); ++bit) {
            if (std::find(list.begin(), list.end(), known[bit]) != list.end()) mask |= 1u << bit;
        }
        table.lines.push_back(" " + std::to_string(mask) + ",\\");
    }
    return table;
}

}  // namespace

int groupTableNumber(const model::DictObject& object) {
    return app::toInteger(object.group).value_or(kFirstGroupNumber) - kFirstGroupNumber;
}

GroupTable groupTableLines(const std::vector<model::DictObject*>& view, bool oldGroups) {
    std::vector<const model::DictObject*> indexObjects;
    for (const model::DictObject* object : view) {
        if (object->subindex == kIndexSubindex) indexObjects.push_back(object);
    }
    if (oldGroups) return oldGroupLines(indexObjects);
    GroupTable table;
    for (const model::DictObject* object : indexObjects) {
        table.lines.push_back("    (Uint16)" + std::to_string(groupTableNumber(*object)) + ",\\");
    }
    return table;
}

}  // namespace tabrin::generators
