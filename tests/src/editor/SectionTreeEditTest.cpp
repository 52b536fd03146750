#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "src/editor/CSectionTreeEditor.h"
#include "tests/platform/HeadlessFixture.h"

namespace {

// One group whose list is `sections`; the editor in edit mode with every capability.
class SectionTreeEdit : public tarnui::testing_support::HeadlessTest {
public:
    void Build(const std::vector<std::string>& lists) {
        LinkerSectionRows rows;
        for (const std::string& list : lists) {
            rows.push_back(
                std::make_unique<tagLinkerSectionInfo>(tagLinkerSectionInfo{{"1000"}, {""}, list}));
        }
        nodes.Rebuild(rows, "Linker section setting");
        editor.SetEditMode(true);
    }
    // "g/i/j": group g's list node, then child indices.
    TreeItem At(const std::string& path) const {
        std::istringstream in(path);
        std::string step;
        std::getline(in, step, '/');
        TreeItem item = nodes.FirstChild(nodes.Groups().at(std::stoul(step)));
        while (std::getline(in, step, '/')) {
            item = nodes.Children(item).at(std::stoul(step));
        }
        return item;
    }
    // The list node as "text{kind+text ...}", recursively.
    std::string Dump(TreeItem item) const {
        std::string out = std::to_string(nodes.Kind(item)) + nodes.Text(item);
        const auto children = nodes.Children(item);
        if (!children.empty()) {
            out += "{";
            for (size_t i = 0; i < children.size(); ++i) {
                out += (i > 0 ? " " : "") + Dump(children[i]);
            }
            out += "}";
        }
        return out;
    }
    std::string Dump(int group = 0) const { return Dump(At(std::to_string(group))); }

    tarnui::TreeControl tree;
    SectionCapabilities caps = SectionCapabilities::FromWord(0x3D);
    CSectionTreeNodes nodes{tree, caps};
    CSectionTreeEditor editor{nodes};
};

TEST_F(SectionTreeEdit, BuildsPartsAndComposesThemBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"P", "2P"},
        {"P,Q,D", "2P,Q,D{4P 4Q 4D}"},
        {"A:B:E", "2A:B:E{4A 5B 5E}"},
        {"A,(B:E),D", "2A,(B:E),D{4A 3B:E{4B 5E} 4D}"},
        {"A:B,C:D", "2A:B,C:D{4A 5B,C{4B 4C} 5D}"},
    };
    for (const auto& [list, dump] : cases) {
        Build({list});
        EXPECT_EQ(Dump(), dump) << list;
        if (nodes.FirstChild(At("0")) != 0) {
            EXPECT_EQ(nodes.ComposeChildren(At("0")), list);
        }
    }
}

// Without overlays a partial overlay's group passes in the list but not on its own: it stays
// one node without parts.
TEST_F(SectionTreeEdit, AGroupThatIsNoValidListOnItsOwnHasNoParts) {
    caps.overlayAllowed = false;
    Build({"A,(B,C:E),D"});
    EXPECT_EQ(Dump(), "2A,(B,C:E),D{4A 3B,C:E 4D}");
    caps.overlayAllowed = true;
    Build({"A,(B,C:E),D"});
    EXPECT_EQ(Dump(), "2A,(B,C:E),D{4A 3B,C:E{3B,C{4B 4C} 5E} 4D}");
}

TEST_F(SectionTreeEdit, OperationsGiveTheseTrees) {
    using Op = std::function<void(SectionTreeEdit&)>;
    struct Case {
        const char* name;
        const char* list;
        Op op;
        const char* dump;
    };
    const Case cases[] = {
        {"add on a list", "A,B", [](auto& t) { t.editor.AddSection(t.At("0"), "X"); },
         "2X,A,B{4X 4A 4B}"},
        {"add on a single name", "A", [](auto& t) { t.editor.AddSection(t.At("0"), "X"); },
         "2A,X{4A 4X}"},
        {"add after a section", "A,B", [](auto& t) { t.editor.AddSection(t.At("0/0"), "X,Y"); },
         "2A,X,Y,B{4A 4X 4Y 4B}"},
        {"add to a primary part", "A:B", [](auto& t) { t.editor.AddSection(t.At("0/0"), "X"); },
         "2A,X:B{3A,X{4A 4X} 5B}"},
        {"add a partial overlay", "A,B", [](auto& t) { t.editor.AddSection(t.At("0/1"), "C:D"); },
         "2A,B,(C:D){3A,B{4A 4B} 3C:D{4C 5D}}"},
        {"delete leaves a single name", "A,B", [](auto& t) { t.editor.Delete(t.At("0/1")); }, "2A"},
        {"delete a member", "A,(B:E),D", [](auto& t) { t.editor.Delete(t.At("0/1/1")); },
         "2A,B,D{4A 4B 4D}"},
        {"delete a primary", "A:B:E", [](auto& t) { t.editor.Delete(t.At("0/0")); }, "2B:E{4B 5E}"},
        {"delete the sub-list beside", "A,(B:E)", [](auto& t) { t.editor.Delete(t.At("0/0")); },
         "2B:E{4B 5E}"},
        {"change primary", "A:B:E", [](auto& t) { t.editor.ChangePrimary(t.At("0/2")); },
         "2E:A:B{4E 5A 5B}"},
        {"move up", "A,B,C", [](auto& t) { t.editor.MoveUp(t.At("0/2")); }, "2A,C,B{4A 4C 4B}"},
        {"overlay from the dialog", "A,B,D",
         [](auto& t) { t.editor.AddOverlayGroup(t.At("0"), "B", 1, 1, "E", false); },
         "2A,(B:E),D{4A 3B:E{4B 5E} 4D}"},
        {"overlay on a part of an overlay", "A:B",
         [](auto& t) { t.editor.AddOverlayGroup(t.At("0/0"), "A", 0, 1, "E", false); },
         "2A:B:E{4A 5B 5E}"},
        {"cut and paste a section", "A,B,C",
         [](auto& t) {
             t.editor.Cut(t.At("0/0"));
             t.editor.Paste(t.At("0/1"));
         },
         "2B,C,A{4B 4C 4A}"},
        {"paste a member as an overlay", "A:B,C",
         [](auto& t) {
             t.editor.Cut(t.At("0/1"));
             t.editor.Paste(t.At("0"));
         },
         "2A:B,C{4A 5B,C{4B 4C}}"},
        {"edit a part into a partial overlay", "A,B,D",
         [](auto& t) { t.editor.ApplyEditedItem(t.At("0/1"), "B:E"); },
         "2A,(B:E),D{4A 3B:E{4B 5E} 4D}"},
        {"drop a section on another", "A,B,D",
         [](auto& t) { EXPECT_TRUE(t.editor.Drop(t.At("0/2"), t.At("0/0"))); }, "2A,D,B{4A 4D 4B}"},
        {"drop a member out of its sub-list", "A,(B:E),D",
         [](auto& t) { EXPECT_TRUE(t.editor.Drop(t.At("0/1/1"), t.At("0/2"))); },
         "2A,B,(D:E){3A,B{4A 4B} 3D:E{4D 5E}}"},
    };
    for (const Case& c : cases) {
        Build({c.list});
        c.op(*this);
        EXPECT_EQ(Dump(), c.dump) << c.name;
        EXPECT_TRUE(editor.Modified()) << c.name;
        EXPECT_NE(tree.GetSelectedItem(), 0) << c.name;
    }
}

}  // namespace
