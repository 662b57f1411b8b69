// A profile's configurations taken from the parser one object element at a time.
#include "model/configurationstream.h"

namespace tabrin::model {
namespace {

// How many object start tags come before the element's end tag. Only a guess at the element's
// objects (a comment may hold such a tag), used to reserve room for them.
std::size_t objectTagsBefore(std::string_view endTagName, std::string_view following) {
    constexpr std::string_view kObjectTag = "<obj_";
    const std::string endTag = "</" + std::string(endTagName);
    const std::string_view inside = following.substr(0, following.find(endTag));
    std::size_t count = 0;
    for (std::size_t at = inside.find(kObjectTag); at != std::string_view::npos;
         at = inside.find(kObjectTag, at + kObjectTag.size())) {
        ++count;
    }
    return count;
}

StagedConfiguration staged(const xml::XMLNode& element, std::string_view following) {
    StagedConfiguration configuration;
    if (const std::optional<std::string_view> name = element.attributeValue("name")) configuration.name = *name;
    configuration.objects.reserve(objectTagsBefore(element.name(), following));
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

bool ConfigurationStream::streamsChildrenOf(const xml::XMLNode& element, int depth, std::string_view following) {
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
            m_receiving = &m_base.emplace(staged(element, following));
            return true;
        }
        if (element.name() == "SubProfiles" && !m_furtherSeen) m_furtherSeen = m_inFurther = true;
        return false;
    case 3:
        if (!m_inFurther) return false;
        m_receiving = &m_further.emplace_back(staged(element, following));
        return true;
    default: return false;
    }
}

void ConfigurationStream::take(const xml::XMLNode& element) {
    const DictObject& object = m_receiving->objects.emplace_back(ObjectOfElement{element, m_receiving->elements++});
    if (object.outcome.ok()) return;
    m_receiving->outcome = {2, object.outcome.message};
    m_receiving->objects.pop_back();
}

}  // namespace tabrin::model
