// What a change of the profile document touched, as its listeners are told.
#pragma once

#include <vector>

#include "model/dictobject.h"

namespace tabrin::editing {

/// The parts of a profile a change may touch; pages refresh what shows them.
enum class ChangeKind : unsigned {
    None = 0,
    Objects = 1,
    Settings = 2,
    Configurations = 4,
    EdsHeader = 8,
    ScaleTable = 16,
    Texts = 32,         // an element of the text base
    Enumerations = 64,  // an element of the enumeration base
};

constexpr ChangeKind operator|(ChangeKind a, ChangeKind b) {
    return static_cast<ChangeKind>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

/// Whether `kinds` holds any kind of `wanted`.
constexpr bool touches(ChangeKind kinds, ChangeKind wanted) {
    return (static_cast<unsigned>(kinds) & static_cast<unsigned>(wanted)) != 0;
}

/// How the change came about.
enum class ChangeCause {
    Done,       // a command was done for the first time
    Undone,     // undo
    Redone,     // redo
    Unrecorded  // a change outside the history: opening, a configuration chosen, generation
};

struct DocumentChange {
    ChangeKind kinds = ChangeKind::None;
    ChangeCause cause = ChangeCause::Done;
    /// The objects the change left in the profile that it added or changed; undo and redo select them.
    std::vector<model::ObjectSerial> objects;
};

}  // namespace tabrin::editing
