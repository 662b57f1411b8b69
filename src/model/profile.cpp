// The profile in memory: reset, and the view of the current configuration over the base profile.
#include "model/profile.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <span>

#include "app/translator.h"

namespace tabrin::model {
namespace {

// The controller knows the coefficients 0 to 31 only.
constexpr std::size_t kScaleCoefficientLimit = 32;

// The base objects a configuration leaves visible: a configuration hides the base objects at its
// own addresses, and holding the root of an index it replaces the whole index. Both lists are in
// object order, so one walk over each finds them.
void appendVisibleBase(std::vector<DictObject>& base, const std::vector<DictObject>& own,
                       std::vector<DictObject*>& visible) {
    std::size_t group = 0;     // the first own object of the base object's index, or beyond it
    std::size_t groupEnd = 0;  // the end of that index's own objects
    bool groupHasRoot = false;
    std::size_t same = 0;  // within the group: the first own object not below the base object's subindex
    for (DictObject& object : base) {
        if (group == groupEnd || own[group].index != object.index) {
            while (group < own.size() && own[group].index < object.index) ++group;
            groupEnd = group;
            groupHasRoot = false;
            for (; groupEnd < own.size() && own[groupEnd].index == object.index; ++groupEnd)
                groupHasRoot = groupHasRoot || own[groupEnd].subindex == "00h";
            same = group;
        }
        while (same < groupEnd && own[same].subindex < object.subindex) ++same;
        if (groupHasRoot || (same < groupEnd && own[same].subindex == object.subindex)) continue;
        object.configuration = 0;
        visible.push_back(&object);
    }
}

}  // namespace

// Files and edits mostly keep objects in order already. Otherwise the positions are sorted, objects
// at the same address keeping their order, and each object is moved once into its place: moving
// whole objects while sorting them costs far more. The order is applied in place, one cycle of
// positions at a time, so that no second vector of objects is ever held.
void sortObjects(std::vector<DictObject>& objects) {
    if (std::is_sorted(objects.begin(), objects.end(), lessThan)) return;
    std::vector<std::size_t> order(objects.size());  // order[p]: the position of the object that belongs at p
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lessThan(objects[a], objects[b]); });
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        DictObject displaced = std::move(objects[start]);
        std::size_t to = start;
        while (order[to] != start) {
            const std::size_t from = order[to];
            objects[to] = std::move(objects[from]);
            order[to] = to;
            to = from;
        }
        objects[to] = std::move(displaced);
        order[to] = to;
    }
}

Profile::Profile(app::Translator& translator, app::Language language)
    : m_translator(translator), m_language(language) {}

void Profile::reset() {
    outcome = {};
    path.clear();
    text.clear();
    settings = {};
    header_text.clear();
    vendorToken.clear();
    scaleNumbers.clear();
    configurations.clear();
    CurrSubProfile = 0;
    m_view.clear();
    m_lastSerial = 0;
}

bool Profile::isConfiguration(int position) const {
    return position >= 0 && position < static_cast<int>(configurations.size());
}

void Profile::setCurrent(int position) {
    CurrSubProfile = isConfiguration(position) ? position : 0;
    rebuildView();
}

void Profile::rebuildView() {
    m_view.clear();
    if (configurations.empty()) return;
    if (!isConfiguration(CurrSubProfile)) CurrSubProfile = 0;
    SubProfile& current = configurations[static_cast<std::size_t>(CurrSubProfile)];
    sortObjects(current.objects);
    std::vector<DictObject*> own;
    own.reserve(current.objects.size());
    for (DictObject& object : current.objects) {
        object.configuration = CurrSubProfile;
        own.push_back(&object);
    }
    if (CurrSubProfile == 0) {
        m_view = std::move(own);
    } else {
        SubProfile& base = configurations.front();
        sortObjects(base.objects);
        std::vector<DictObject*> visible;
        visible.reserve(base.objects.size());
        appendVisibleBase(base.objects, current.objects, visible);
        // Base objects come first among equals, as they did before the configuration's own.
        m_view.reserve(visible.size() + own.size());
        std::merge(visible.begin(), visible.end(), own.begin(), own.end(), std::back_inserter(m_view),
                   [](const DictObject* a, const DictObject* b) { return lessThan(*a, *b); });
    }
    for (std::size_t i = 0; i < m_view.size(); ++i) m_view[i]->number = static_cast<int>(i);
}

void Profile::addObject(DictObject object, int configuration) {
    std::vector<DictObject> objects;
    objects.push_back(std::move(object));
    addObjects(std::move(objects), configuration);
}

void Profile::addObjects(std::vector<DictObject> objects, int configuration) {
    const int target = configuration == -1 ? CurrSubProfile : configuration;
    if (!isConfiguration(target)) return;
    auto& held = configurations[static_cast<std::size_t>(target)].objects;
    for (DictObject& object : objects) {
        object.configuration = target;
        if (object.serial == 0) object.serial = newSerial();
        held.push_back(std::move(object));
    }
    sortObjects(held);
    rebuildView();
}

void Profile::deleteObject(std::string_view index, std::string_view subindex, int configuration) {
    if (!isConfiguration(configuration)) return;
    auto& held = configurations[static_cast<std::size_t>(configuration)].objects;
    const auto found = std::find_if(held.begin(), held.end(), [&](const DictObject& o) {
        return o.index == index && o.subindex == subindex;
    });
    if (found != held.end()) held.erase(found);
    rebuildView();
}

void Profile::deleteRows(int first, int count) {
    struct Doomed {
        int configuration;
        std::string index;
        std::string subindex;
    };
    std::vector<Doomed> doomed;
    for (int row = std::max(first, 0); row < first + count && row < static_cast<int>(m_view.size()); ++row) {
        const DictObject& object = *m_view[static_cast<std::size_t>(row)];
        doomed.push_back({object.configuration, object.index, object.subindex});
    }
    for (const Doomed& d : doomed) {
        auto& held = configurations[static_cast<std::size_t>(d.configuration)].objects;
        const auto found = std::find_if(held.begin(), held.end(), [&](const DictObject& o) {
            return o.index == d.index && o.subindex == d.subindex;
        });
        if (found != held.end()) held.erase(found);
    }
    for (SubProfile& configuration : configurations) sortObjects(configuration.objects);
    rebuildView();
}

void Profile::takeScaleCoefficients() {
    const std::span<const ScaleNumber> coefficients(scaleNumbers.data(),
                                                    std::min(scaleNumbers.size(), kScaleCoefficientLimit));
    for (DictObject* object : m_view) takeScaleCoefficient(*object, coefficients);
}

}  // namespace tabrin::model
