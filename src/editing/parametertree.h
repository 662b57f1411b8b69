// A tree of parameters as the parameter-file window draws both its trees: groups, indexes and
// elements in three hierarchies, each node with its mark (unmarked, marked, partly marked or
// unavailable), and the marking by a right click that makes the selection of the file's parameters.
#pragma once

#include <string>
#include <vector>

#include "editing/parameterfile.h"

namespace tabrin::editing {

enum class HierarchyMode { Groups = 0, GroupsIndexes = 1, Indexes = 2 };
enum class TreeMark { Unmarked, Marked, Partly, Unavailable };

struct ParameterTreeNode {
    std::string label;
    int parent = -1;
    std::vector<int> children;
    int parameter = -1;  // the list position of an element node; -1 for group and root nodes
    TreeMark mark = TreeMark::Unmarked;
};

class ParameterTree {
public:
    /// Builds the tree of `list` (the parameters in list order). Group nodes are named by
    /// `groupNames` (the items of the group enumeration; a group beyond them is "_"). An element's
    /// mark is its parameter's selection, or unavailable for a viewable one. An index whose first
    /// object is not subindex 00h has no group and is left out.
    void build(const std::vector<Parameter>& list, const std::vector<std::string>& groupNames, HierarchyMode mode,
               const TreeNames& names);

    const std::vector<ParameterTreeNode>& nodes() const { return m_nodes; }
    /// The top nodes, in order.
    const std::vector<int>& tops() const { return m_tops; }

    /// A right click: an unmarked or partly marked node becomes marked, a marked one unmarked, with
    /// every available node below it; the ancestors follow. Unavailable nodes stay as they are.
    void toggle(int node);
    /// The marks of the elements taken from the selection of `list`, the others recomputed.
    void showSelection(const std::vector<Parameter>& list);
    /// The selection of every parameter of `list` that has an element node: whether it is marked.
    void takeSelection(std::vector<Parameter>& list) const;

private:
    int add(std::string label, int parent, int parameter);
    void setBelow(int node, TreeMark mark);
    void recompute(int node);

    std::vector<ParameterTreeNode> m_nodes;
    std::vector<int> m_tops;
};

}  // namespace tabrin::editing
