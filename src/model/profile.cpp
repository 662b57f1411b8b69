// The profile in memory: reset, and the view of the current configuration over the base profile.
#include "model/profile.h"

#include <algorithm>

#include "app/translator.h"

namespace tabrin::model {

// Files and edits mostly keep objects in order already; sorting whole objects is costly.
void sortObjects(std::vector<DictObject>& objects) {
    if (!std::is_sorted(objects.begin(), objects.end(), lessThan)) std::sort(objects.begin(), objects.end(), lessThan);
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

    if (CurrSubProfile != 0) {
        // A configuration hides the base objects it replaces; holding the root of an index
        // replaces the whole index.
        const auto hidden = [&](const DictObject& base) {
            return std::any_of(current.objects.begin(), current.objects.end(), [&](const DictObject& own) {
                return own.index == base.index && (own.subindex == base.subindex || own.subindex == "00h");
            });
        };
        for (DictObject& base : configurations.front().objects) {
            if (hidden(base)) continue;
            base.configuration = 0;
            m_view.push_back(&base);
        }
    }
    for (DictObject& own : current.objects) {
        own.configuration = CurrSubProfile;
        m_view.push_back(&own);
    }
    std::stable_sort(m_view.begin(), m_view.end(), [](const DictObject* a, const DictObject* b) { return lessThan(*a, *b); });
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

}  // namespace tabrin::model
