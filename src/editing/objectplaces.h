// The objects of a profile found by their serial or in the view, taken out of their configurations
// and put back exactly where they were.
#pragma once

#include <cstddef>
#include <vector>

#include "model/dictobject.h"

namespace tabrin::model {
class Profile;
}

namespace tabrin::editing {

/// An object with the place it held: its configuration and its position there.
struct PlacedObject {
    int configuration;
    std::size_t position;
    model::DictObject object;
};

/// The object with this serial in any configuration; nullptr when there is none.
const model::DictObject* findObject(const model::Profile& profile, model::ObjectSerial serial);

/// The object with this serial in the current view; nullptr when the view does not show it.
const model::DictObject* findViewObject(const model::Profile& profile, model::ObjectSerial serial);

/// The objects after `root` in the current view that share its index: the sub-objects of a root.
std::vector<const model::DictObject*> sameIndexFollowers(const model::Profile& profile, const model::DictObject& root);

/// Removes the objects with these serials from the configurations holding them and returns them
/// with their places, in order of configuration and position. Unknown serials are skipped.
std::vector<PlacedObject> takeObjects(model::Profile& profile, const std::vector<model::ObjectSerial>& serials);

/// Puts objects that `takeObjects` returned back at their places.
void restoreObjects(model::Profile& profile, std::vector<PlacedObject> placed);

/// Adds copies of the objects to the configurations their `configuration` names, each after the
/// objects equal to it in object order, so the configurations stay sorted.
void insertObjects(model::Profile& profile, const std::vector<model::DictObject>& objects);

}  // namespace tabrin::editing
