// Look-ups of several names in one pass over a node's attributes or child elements. The names are
// constants known when compiling, so that comparing with them costs a few instructions.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "xml/xmlparser.h"

namespace tabrin::xml {

/// Matches names against the list `Names`, each entry once: the position of a name among the
/// entries not matched yet, or the list's size when there is none.
template <const auto& Names>
class NameMatcher {
public:
    static constexpr std::size_t kCount = std::size(Names);

    std::size_t match(std::string_view name) {
        for (std::size_t k = 0; k < kCount; ++k) {
            if (m_matched[k] || Names[k] != name) continue;
            m_matched.set(k);
            return k;
        }
        return kCount;
    }

    bool allMatched() const { return m_matched.all(); }

private:
    std::bitset<kCount> m_matched;
};

/// The texts of the attributes `Names` of `node`, read in one pass: as `attributeText` gives them,
/// the first of a repeated attribute counts, and an absent one gives an empty text. The texts stay
/// valid as long as a handle to the tree lives.
template <const auto& Names>
std::array<std::string_view, std::size(Names)> attributeTexts(const XMLNode& node) {
    std::array<std::string_view, std::size(Names)> texts{};
    NameMatcher<Names> matcher;
    for (const XMLAttribute& attribute : node.attributes()) {
        const std::size_t k = matcher.match(attribute.name);
        if (k < texts.size()) texts[k] = attribute.value.value_or(std::string_view());
    }
    return texts;
}

/// The first child element of `node` of each name in `Names`, found in one pass; an empty handle
/// where there is none.
template <const auto& Names>
std::array<XMLNode, std::size(Names)> firstChildren(const XMLNode& node) {
    std::array<XMLNode, std::size(Names)> children{};
    NameMatcher<Names> matcher;
    for (int i = 0; i < node.childCount() && !matcher.allMatched(); ++i) {
        XMLNode child = node.child(i);
        const std::size_t k = matcher.match(child.name());
        if (k < children.size()) children[k] = std::move(child);
    }
    return children;
}

}  // namespace tabrin::xml
