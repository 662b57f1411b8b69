// A profile's configurations taken from the parser one object element at a time, so that a large
// profile is never held as a tree of its objects: the base profile is the first `Indexes` of `root`,
// the further configurations are the elements of its first `SubProfiles`.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/dictobject.h"
#include "xml/xmlparser.h"

namespace tabrin::model {

/// Objects in the order they arrive, in blocks of a fixed count: none moves while more arrive, and
/// moving them on frees one block after another, so that the objects are never held twice.
class StagedObjects {
public:
    /// The object of `element` at `position`, built where it stays.
    DictObject& add(const xml::XMLNode& element, int position);
    void removeLast();
    std::size_t size() const { return m_size; }
    /// Moves every object to the end of `objects`, in order, leaving the staging empty.
    void moveInto(std::vector<DictObject>& objects);

private:
    // Large enough for a block to be given back to the system as soon as it is freed.
    static constexpr std::size_t kBlockObjects = 1024;

    std::vector<std::vector<DictObject>> m_blocks;
    std::size_t m_size = 0;
};

/// A configuration's objects as the file holds them, before they are numbered and sorted.
struct StagedConfiguration {
    std::optional<std::string> name;  // absent when the element has no `name` attribute
    StagedObjects objects;
    int elements = 0;          // object elements read, whatever became of them
    TOperationResult outcome;  // code 2 when an element gave no object
};

class ConfigurationStream : public xml::ElementStream {
public:
    bool streamsChildrenOf(const xml::XMLNode& element, int depth) override;
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
