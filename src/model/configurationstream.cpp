// A profile's configurations taken from the parser one object element at a time.
#include "model/configurationstream.h"

#include <algorithm>
#include <iterator>

namespace tabrin::model {
namespace {

StagedConfiguration staged(const xml::XMLNode& element) {
    StagedConfiguration configuration;
    if (const std::optional<std::string_view> name = element.attributeValue("name")) configuration.name = *name;
    return configuration;
}

// The object an element gives, made by converting: the conversion's result initialises the
// vector's element itself, so the object is built in place and never moved.
struct ObjectOfElement {
    const xml::XMLNode& element;
    int position;
    operator DictObject() const { return DictObject::fromXml(element, position); }
};

}  // namespace

DictObject& StagedObjects::add(const xml::XMLNode& element, int position) {
    if (m_blocks.empty() || m_blocks.back().size() == kBlockObjects) m_blocks.emplace_back().reserve(kBlockObjects);
    ++m_size;
    return m_blocks.back().emplace_back(ObjectOfElement{element, position});
}

void StagedObjects::removeLast() {
    m_blocks.back().pop_back();
    --m_size;
}

void StagedObjects::moveInto(std::vector<DictObject>& objects) {
    for (std::vector<DictObject>& block : m_blocks) {
        std::move(block.begin(), block.end(), std::back_inserter(objects));
        std::vector<DictObject>().swap(block);
    }
    m_blocks.clear();
    m_size = 0;
}

bool ConfigurationStream::streamsChildrenOf(const xml::XMLNode& element, int depth) {
    switch (depth) {
    case 1:
        if (element.isDeclaration()) return false;
        m_inRoot = !m_topElementSeen && element.name() == "root";
        m_topElementSeen = true;
        m_inFurther = false;
        return false;
    case 2:
        m_inFurther = false;
        if (!m_inRoot) return false;
        if (element.name() == "Indexes" && !m_base) {
            m_receiving = &m_base.emplace(staged(element));
            return true;
        }
        if (element.name() == "SubProfiles" && !m_furtherSeen) m_furtherSeen = m_inFurther = true;
        return false;
    case 3:
        if (!m_inFurther) return false;
        m_receiving = &m_further.emplace_back(staged(element));
        return true;
    default: return false;
    }
}

void ConfigurationStream::take(const xml::XMLNode& element) {
    const DictObject& object = m_receiving->objects.add(element, m_receiving->elements++);
    if (object.outcome.ok()) return;
    m_receiving->outcome = {2, object.outcome.message};
    m_receiving->objects.removeLast();
}

}  // namespace tabrin::model
