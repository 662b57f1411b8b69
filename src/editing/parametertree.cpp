// A tree of parameters as the parameter-file window draws both its trees: groups, indexes and
// elements in three hierarchies, each node with its mark (unmarked, marked, partly marked or
// unavailable), and the marking by a right click that makes the selection of the file's parameters.
#include "editing/parametertree.h"

#include <algorithm>

#include "app/integertext.h"

namespace tabrin::editing {
namespace {

// Group numbers beyond the group enumeration's items that still get a node.
constexpr int kGroupsBeyondItems = 9;

// The objects of one index, consecutive in the list, whose first object is its subindex 00h.
struct IndexBlock {
    std::size_t first;
    std::size_t end;
    int group;
    bool rooted;  // the first object is a root; the others are its elements
};

std::vector<IndexBlock> indexBlocks(const std::vector<Parameter>& list) {
    std::vector<IndexBlock> blocks;
    for (std::size_t first = 0; first < list.size();) {
        std::size_t end = first + 1;
        while (end < list.size() && list[end].index == list[first].index) ++end;
        if (list[first].subindex == "00h") {
            blocks.push_back({first, end, app::toInteger(list[first].group).value_or(-1),
                              list[first].type == model::FormatType::Root});
        }
        first = end;
    }
    return blocks;
}

}  // namespace

int ParameterTree::add(std::string label, int parent, int parameter) {
    const int node = static_cast<int>(m_nodes.size());
    m_nodes.push_back({std::move(label), parent, {}, parameter});
    if (parent < 0)
        m_tops.push_back(node);
    else
        m_nodes[static_cast<std::size_t>(parent)].children.push_back(node);
    return node;
}

void ParameterTree::build(const std::vector<Parameter>& list, const std::vector<std::string>& groupNames,
                          HierarchyMode mode, const TreeNames& names) {
    m_nodes.clear();
    m_tops.clear();
    const std::vector<IndexBlock> blocks = indexBlocks(list);
    const auto element = [&](std::size_t position, int parent) {
        const Parameter& parameter = list[position];
        add(parameterDescription(parameter, names) + "=" + parameter.info, parent, static_cast<int>(position));
    };
    const auto addIndex = [&](const IndexBlock& block, int parent) {
        if (!block.rooted) {
            for (std::size_t position = block.first; position < block.end; ++position) element(position, parent);
            return;
        }
        const int root = add(parameterDescription(list[block.first], names), parent, -1);
        for (std::size_t position = block.first + 1; position < block.end; ++position) element(position, root);
    };
    if (mode == HierarchyMode::Indexes) {
        for (const IndexBlock& block : blocks) addIndex(block, -1);
    } else {
        const int lastGroup = static_cast<int>(groupNames.size()) + kGroupsBeyondItems;
        for (int group = 0; group <= lastGroup; ++group) {
            int node = -1;
            for (const IndexBlock& block : blocks) {
                if (block.group != group) continue;
                if (node < 0)
                    node = add(group < static_cast<int>(groupNames.size()) ? groupNames[static_cast<std::size_t>(group)]
                                                                           : std::string("_"),
                               -1, -1);
                if (mode == HierarchyMode::GroupsIndexes) {
                    addIndex(block, node);
                } else {
                    for (std::size_t position = block.first + (block.rooted ? 1 : 0); position < block.end; ++position)
                        element(position, node);
                }
            }
        }
    }
    showSelection(list);
}

void ParameterTree::recompute(int node) {
    ParameterTreeNode& parent = m_nodes[static_cast<std::size_t>(node)];
    bool allUnavailable = true;
    bool someMarked = false;
    bool someUnmarked = false;
    for (const int child : parent.children) {
        const TreeMark mark = m_nodes[static_cast<std::size_t>(child)].mark;
        allUnavailable = allUnavailable && mark == TreeMark::Unavailable;
        someMarked = someMarked || mark == TreeMark::Marked || mark == TreeMark::Partly;
        someUnmarked = someUnmarked || mark == TreeMark::Unmarked || mark == TreeMark::Partly;
    }
    if (allUnavailable)
        parent.mark = TreeMark::Unavailable;
    else if (!someMarked)
        parent.mark = TreeMark::Unmarked;
    else if (!someUnmarked)
        parent.mark = TreeMark::Marked;
    else
        parent.mark = TreeMark::Partly;
}

void ParameterTree::showSelection(const std::vector<Parameter>& list) {
    // Children come after their parents: from the last node back, every parent sees its children done.
    for (std::size_t node = m_nodes.size(); node-- > 0;) {
        ParameterTreeNode& shown = m_nodes[node];
        if (shown.parameter < 0) {
            recompute(static_cast<int>(node));
            continue;
        }
        const Parameter& parameter = list[static_cast<std::size_t>(shown.parameter)];
        shown.mark = parameter.access == model::Access::Viewable ? TreeMark::Unavailable
                     : parameter.selected                        ? TreeMark::Marked
                                                                 : TreeMark::Unmarked;
    }
}

void ParameterTree::setBelow(int node, TreeMark mark) {
    ParameterTreeNode& shown = m_nodes[static_cast<std::size_t>(node)];
    if (shown.mark == TreeMark::Unavailable) return;
    if (shown.parameter >= 0) {
        shown.mark = mark;
        return;
    }
    for (const int child : shown.children) setBelow(child, mark);
    recompute(node);
}

void ParameterTree::toggle(int node) {
    if (node < 0 || node >= static_cast<int>(m_nodes.size())) return;
    const TreeMark mark = m_nodes[static_cast<std::size_t>(node)].mark;
    if (mark == TreeMark::Unavailable) return;
    setBelow(node, mark == TreeMark::Marked ? TreeMark::Unmarked : TreeMark::Marked);
    for (int parent = m_nodes[static_cast<std::size_t>(node)].parent; parent >= 0;
         parent = m_nodes[static_cast<std::size_t>(parent)].parent)
        recompute(parent);
}

void ParameterTree::takeSelection(std::vector<Parameter>& list) const {
    for (Parameter& parameter : list) parameter.selected = false;
    for (const ParameterTreeNode& node : m_nodes) {
        Parameter* parameter = node.parameter >= 0 ? &list[static_cast<std::size_t>(node.parameter)] : nullptr;
        if (parameter) parameter->selected = node.mark == TreeMark::Marked && parameter->selectable();
    }
}

}  // namespace tabrin::editing
