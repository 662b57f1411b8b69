// The objects of a profile found by their serial or in the view, taken out of their configurations
// and put back exactly where they were.
#include "editing/objectplaces.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <unordered_set>

#include "model/profile.h"

namespace tabrin::editing {

const model::DictObject* findObject(const model::Profile& profile, model::ObjectSerial serial) {
    for (const model::SubProfile& configuration : profile.configurations) {
        for (const model::DictObject& object : configuration.objects) {
            if (object.serial == serial) return &object;
        }
    }
    return nullptr;
}

const model::DictObject* findViewObject(const model::Profile& profile, model::ObjectSerial serial) {
    const auto& view = profile.view();
    const auto found = std::find_if(view.begin(), view.end(),
                                    [&](const model::DictObject* object) { return object->serial == serial; });
    return found == view.end() ? nullptr : *found;
}

std::vector<const model::DictObject*> sameIndexFollowers(const model::Profile& profile, const model::DictObject& root) {
    const auto& view = profile.view();
    std::vector<const model::DictObject*> objects;
    for (auto next = static_cast<std::size_t>(root.number) + 1; next < view.size() && view[next]->index == root.index;
         ++next)
        objects.push_back(view[next]);
    return objects;
}

std::vector<PlacedObject> takeObjects(model::Profile& profile, const std::vector<model::ObjectSerial>& serials) {
    const std::unordered_set<model::ObjectSerial> wanted(serials.begin(), serials.end());
    std::vector<PlacedObject> taken;
    for (std::size_t c = 0; c < profile.configurations.size(); ++c) {
        auto& held = profile.configurations[c].objects;
        const auto isWanted = [&](const model::DictObject& object) { return wanted.contains(object.serial); };
        if (std::none_of(held.begin(), held.end(), isWanted)) continue;
        std::vector<model::DictObject> kept;
        kept.reserve(held.size());
        for (std::size_t position = 0; position < held.size(); ++position) {
            if (isWanted(held[position]))
                taken.push_back({static_cast<int>(c), position, std::move(held[position])});
            else
                kept.push_back(std::move(held[position]));
        }
        held = std::move(kept);
    }
    return taken;
}

void restoreObjects(model::Profile& profile, std::vector<PlacedObject> placed) {
    std::stable_sort(placed.begin(), placed.end(), [](const PlacedObject& a, const PlacedObject& b) {
        return a.configuration != b.configuration ? a.configuration < b.configuration : a.position < b.position;
    });
    auto next = placed.begin();
    while (next != placed.end()) {
        const int c = next->configuration;
        if (c < 0 || c >= static_cast<int>(profile.configurations.size())) {
            ++next;
            continue;
        }
        auto& held = profile.configurations[static_cast<std::size_t>(c)].objects;
        std::vector<model::DictObject> merged;
        merged.reserve(held.size() + static_cast<std::size_t>(std::distance(next, placed.end())));
        auto remaining = held.begin();
        for (; next != placed.end() && next->configuration == c; ++next) {
            while (merged.size() < next->position && remaining != held.end()) merged.push_back(std::move(*remaining++));
            merged.push_back(std::move(next->object));
        }
        std::move(remaining, held.end(), std::back_inserter(merged));
        held = std::move(merged);
        // Places taken before changes the history does not know of may no longer be in order.
        model::sortObjects(held);
    }
}

void insertObjects(model::Profile& profile, const std::vector<model::DictObject>& objects) {
    std::map<int, std::vector<model::DictObject>> byConfiguration;
    for (const model::DictObject& object : objects) byConfiguration[object.configuration].push_back(object);
    for (auto& [c, added] : byConfiguration) {
        if (c < 0 || c >= static_cast<int>(profile.configurations.size())) continue;
        auto& held = profile.configurations[static_cast<std::size_t>(c)].objects;
        std::stable_sort(added.begin(), added.end(), model::lessThan);
        const auto middle = static_cast<std::ptrdiff_t>(held.size());
        held.insert(held.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
        std::inplace_merge(held.begin(), held.begin() + middle, held.end(), model::lessThan);
    }
}

}  // namespace tabrin::editing
