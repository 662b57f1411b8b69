// A profile's configurations taken from the parser one object element at a time, so that a large
// profile is never held as a tree of its objects: the base profile is the first `Indexes` of `root`,
// the further configurations are the elements of its first `SubProfiles`.
#pragma once

#include <deque>
#include <string_view>
#include <optional>
#include <string>
#include <vector>

#include "model/dictobject.h"
#include "xml/xmlparser.h"

namespace tabrin::model {

/// A configuration's objects as the file holds them, before they are numbered and sorted. Room for
/// them is reserved from a count of their start tags in the text, so that each object is built
/// where it stays and never moved.
struct StagedConfiguration {
    std::optional<std::string> name;  // absent when the element has no `name` attribute
    std::vector<DictObject> objects;
    int elements = 0;          // object elements read, whatever became of them
    TOperationResult outcome;  // code 2 when an element gave no object
};

class ConfigurationStream : public xml::ElementStream {
public:
    bool streamsChildrenOf(const xml::XMLNode& element, int depth, std::string_view following) override;
    void take(const xml::XMLNode& element) override;

    /// Empty when the file has no base profile element.
    std::optional<StagedConfiguration>& base() { return m_base; }
    std::deque<StagedConfiguration>& further() { return m_further; }

private:
    std::optional<StagedConfiguration> m_base;
    std::deque<StagedConfiguration> m_further;
    StagedConfiguration* m_receiving = nullptr;  // whose object elements are being read
    bool m_topElementSeen = false;
    bool m_inRoot = false;       // inside the first top-level element, which is `root`
    bool m_furtherSeen = false;  // the first `SubProfiles` has been met
    bool m_inFurther = false;    // inside it
};

}  // namespace tabrin::model
