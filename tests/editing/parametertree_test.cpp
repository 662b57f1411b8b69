// The trees of the parameter-file window: the three hierarchies, the marks taken from the
// selection, and the right click with its effect below and above the node.
#include <gtest/gtest.h>

#include "editing/parametertree.h"

namespace tabrin::editing {
namespace {

Parameter parameter(const char* index, const char* subindex, const char* name, const char* group = "1",
                    model::Access access = model::Access::Editable, bool selected = false) {
    Parameter p;
    p.index = index;
    p.subindex = subindex;
    p.name = name;
    p.text = std::string("s") + name;
    p.group = group;
    p.access = access;
    p.selected = selected;
    p.info = "i";
    return p;
}

Parameter root(const char* index, const char* name, const char* group) {
    Parameter p = parameter(index, "00h", name, group, model::Access::Viewable);
    p.type = model::FormatType::Root;
    return p;
}

std::vector<Parameter> sample() {
    return {
        root("2000h", "A", "1"),
        parameter("2000h", "01h", "B", "1", model::Access::Editable, true),
        parameter("2000h", "02h", "C", "1", model::Access::Viewable),
        parameter("2001h", "00h", "D", "1"),
        root("2002h", "E", "2"),
        parameter("2002h", "01h", "F", "2", model::Access::Viewable),
        parameter("3000h", "01h", "H", "1"),   // its index has no 00h object
        parameter("2500h", "00h", "G", "20"),  // a group beyond the enumeration's items and the nine after them
    };
}

const std::vector<std::string> kGroups = {"common", "motor"};
constexpr const char* kMarks = "ox~-";

// One line per node, indented by depth: its mark (o unmarked, x marked, ~ partly, - unavailable) and label.
std::string render(const ParameterTree& tree) {
    std::string text;
    const auto draw = [&](auto& self, int node, int depth) -> void {
        const ParameterTreeNode& shown = tree.nodes()[static_cast<std::size_t>(node)];
        text += std::string(static_cast<std::size_t>(depth) * 2, ' ') + kMarks[static_cast<int>(shown.mark)] + " " +
                shown.label + "\n";
        for (const int child : shown.children) self(self, child, depth + 1);
    };
    for (const int top : tree.tops()) draw(draw, top, 0);
    return text;
}

std::string marks(const ParameterTree& tree) {
    std::string text;
    for (const ParameterTreeNode& node : tree.nodes()) text += kMarks[static_cast<int>(node.mark)];
    return text;
}

TEST(ParameterTree, ThreeHierarchies) {
    const struct {
        HierarchyMode mode;
        TreeNames names;
        std::string tree;
    } rows[] = {
        {HierarchyMode::Groups,
         {},
         "~ motor\n"
         "  x B [2000h.01h]=i\n"
         "  - C [2000h.02h]=i\n"
         "  o D [2001h.00h]=i\n"
         "- _\n"
         "  - F [2002h.01h]=i\n"},
        {HierarchyMode::GroupsIndexes,
         {},
         "~ motor\n"
         "  x A [2000h.00h]\n"
         "    x B [2000h.01h]=i\n"
         "    - C [2000h.02h]=i\n"
         "  o D [2001h.00h]=i\n"
         "- _\n"
         "  - E [2002h.00h]\n"
         "    - F [2002h.01h]=i\n"},
        {HierarchyMode::Indexes,
         {true},
         "x sA [2000h.00h]\n"
         "  x sB [2000h.01h]=i\n"
         "  - sC [2000h.02h]=i\n"
         "o sD [2001h.00h]=i\n"
         "- sE [2002h.00h]\n"
         "  - sF [2002h.01h]=i\n"
         "o sG [2500h.00h]=i\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.mode));
        ParameterTree tree;
        tree.build(sample(), kGroups, row.mode, row.names);
        EXPECT_EQ(render(tree), row.tree);
    }
}

TEST(ParameterTree, NamesByLanguageFallBackToTheOther) {
    std::vector<Parameter> list = {parameter("2001h", "00h", "D", "0"), parameter("2002h", "00h", "", "0")};
    list[0].nameEng = "Dee";
    list[1].nameEng = "Eee";
    ParameterTree tree;
    tree.build(list, kGroups, HierarchyMode::Indexes, {false, app::Language::English});
    EXPECT_EQ(render(tree), "o Dee [2001h.00h]=i\no Eee [2002h.00h]=i\n");
    tree.build(list, kGroups, HierarchyMode::Indexes, {false, app::Language::Russian});
    EXPECT_EQ(render(tree), "o D [2001h.00h]=i\no Eee [2002h.00h]=i\n");
}

TEST(ParameterTree, RightClicks) {
    // Nodes of the groups-and-indexes tree: motor, A, B, C, D, _, E, F.
    const struct {
        const char* name;
        std::vector<int> clicks;
        std::string marks;
        std::string selected;  // of the list's parameters
    } rows[] = {
        {"none", {}, "~xx-o---", "01000000"},
        {"a partly marked group is marked, with every available node below", {0}, "xxx-x---", "01010000"},
        {"a marked group unmarked", {0, 0}, "ooo-o---", "00000000"},
        {"an element marked, its group follows", {4}, "xxx-x---", "01010000"},
        {"a marked root unmarked with its elements", {1}, "ooo-o---", "00000000"},
        {"the last marked element unmarked: its root and group follow", {2}, "ooo-o---", "00000000"},
        {"an unmarked root marked, the group partly", {1, 1}, "~xx-o---", "01000000"},
        {"unavailable nodes take no click", {6, 7, 3}, "~xx-o---", "01000000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Parameter> list = sample();
        ParameterTree tree;
        tree.build(list, kGroups, HierarchyMode::GroupsIndexes, {});
        for (const int node : row.clicks) tree.toggle(node);
        EXPECT_EQ(marks(tree), row.marks);
        tree.takeSelection(list);
        std::string selected;
        for (const Parameter& p : list) selected += p.selected ? '1' : '0';
        EXPECT_EQ(selected, row.selected);
    }
}

}  // namespace
}  // namespace tabrin::editing
