// The nodes of the section setting tree over a tree control: kinds read back from the item
// images, the parts of a section list built beneath its node, a parent's text composed from
// its children, neighbouring parts merged, and the groups built from the linker section
// entries. Nothing here asks the user or touches the model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/TreeControl.h"
#include "src/data/CLinkerSectionInfo.h"
#include "src/editor/SectionNodeKind.h"

using tarnui::TreeItem;

class CSectionTreeNodes {
public:
    CSectionTreeNodes(tarnui::TreeControl& tree, const SectionCapabilities& capabilities)
        : tree_(tree), caps_(capabilities) {}

    tarnui::TreeControl& Tree() const { return tree_; }
    const SectionCapabilities& Capabilities() const { return caps_; }

    // -1 for no item.
    int Kind(TreeItem item) const;
    void SetKind(TreeItem item, int kind);
    const std::string& Text(TreeItem item) const { return tree_.ItemText(item); }
    void SetText(TreeItem item, const std::string& text) { tree_.SetItemText(item, text); }

    TreeItem Parent(TreeItem item) const { return item ? tree_.GetParentItem(item) : 0; }
    TreeItem FirstChild(TreeItem item) const { return item ? tree_.GetChildItem(item) : 0; }
    TreeItem Next(TreeItem item) const { return item ? tree_.GetNextSiblingItem(item) : 0; }
    TreeItem Prev(TreeItem item) const { return item ? tree_.GetPrevSiblingItem(item) : 0; }
    std::vector<TreeItem> Children(TreeItem item) const;
    bool IsMember(TreeItem item) const { return item != 0 && Kind(item) == kNodeOverlayMember; }
    // The primary part of an overlay: its next sibling is an overlay member.
    bool IsPrimary(TreeItem item) const { return IsMember(Next(item)); }
    // The section list node (kind 2) at or above the item; 0 above it.
    TreeItem ListNodeOf(TreeItem item) const;
    TreeItem GroupOf(TreeItem item) const;
    // Whether the item is `ancestor` or lies beneath it.
    bool IsWithin(TreeItem item, TreeItem ancestor) const;

    TreeItem Insert(std::string_view text, int kind, TreeItem parent, TreeItem after);
    // A copy of the item with all its descendants, texts, kinds and expansion.
    TreeItem CopySubtree(TreeItem source, TreeItem parent, TreeItem after);
    void DeleteChildren(TreeItem item);

    // Replaces the item's children by the parts of its text (none for a single name).
    void BuildChildren(TreeItem item);
    // The text of a parent from its children; `replaced` is read as `replacement`.
    std::string ComposeChildren(TreeItem parent, TreeItem replaced = 0,
                                const std::string& replacement = {}) const;
    // Recomposes the texts from `item` up to its section list node.
    void RecomposeUpward(TreeItem item);
    // The section list text that holds `item` when the item's text is `replacement`.
    std::string ListTextWith(TreeItem item, const std::string& replacement) const;
    // Joins neighbouring plain parts inside overlays, from `item` up to the section list node.
    void MergeNeighbours(TreeItem item);

    void SelectAtTop(TreeItem item);

    // The root and the groups beneath it.
    TreeItem Root() const { return tree_.GetRootItem(); }
    std::vector<TreeItem> Groups() const { return Children(Root()); }
    // Appends a group (expanded) with its section list node; returns the list node.
    TreeItem AppendGroup(const tagLinkerSectionInfo& entry);
    // Empties the tree and builds the root and one group per entry; the root is selected.
    void Rebuild(const LinkerSectionRows& entries, const std::string& rootText);

private:
    // The parts of a normal text that passed the check, beneath `item`.
    void BuildParts(TreeItem item, std::string_view normal);

    tarnui::TreeControl& tree_;
    const SectionCapabilities& caps_;
};

// Whether a section text holds "," or ":" and so has parts.
bool HasSectionParts(std::string_view text);
