#include "src/editor/CSectionTreeNodes.h"

#include <utility>

#include "src/editor/AddressListCheck.h"
#include "src/editor/CheckText.h"
#include "src/editor/SectionGroupSplit.h"
#include "src/editor/SectionListCheck.h"

bool HasSectionParts(std::string_view text) {
    return checktext::HoldsEither(text, ',', ':');
}

int CSectionTreeNodes::Kind(TreeItem item) const {
    int image = -1;
    int selected = -1;
    if (item == 0 || !tree_.GetItemImage(item, image, selected)) {
        return -1;
    }
    return image;
}

void CSectionTreeNodes::SetKind(TreeItem item, int kind) {
    tree_.SetItemImage(item, kind, kind);
}

std::vector<TreeItem> CSectionTreeNodes::Children(TreeItem item) const {
    std::vector<TreeItem> children;
    for (TreeItem child = FirstChild(item); child != 0; child = Next(child)) {
        children.push_back(child);
    }
    return children;
}

TreeItem CSectionTreeNodes::ListNodeOf(TreeItem item) const {
    while (item != 0 && Kind(item) > kNodeSectionList) {
        item = Parent(item);
    }
    return Kind(item) == kNodeSectionList ? item : 0;
}

TreeItem CSectionTreeNodes::GroupOf(TreeItem item) const {
    while (item != 0 && Kind(item) > kNodeGroup) {
        item = Parent(item);
    }
    return Kind(item) == kNodeGroup ? item : 0;
}

bool CSectionTreeNodes::IsWithin(TreeItem item, TreeItem ancestor) const {
    for (; item != 0; item = Parent(item)) {
        if (item == ancestor) {
            return true;
        }
    }
    return false;
}

TreeItem CSectionTreeNodes::Insert(std::string_view text, int kind, TreeItem parent,
                                   TreeItem after) {
    return tree_.InsertItem(text, kind, kind, parent, after);
}

TreeItem CSectionTreeNodes::CopySubtree(TreeItem source, TreeItem parent, TreeItem after) {
    const TreeItem copy = Insert(Text(source), Kind(source), parent, after);
    TreeItem last = tarnui::kTreeFirst;
    for (TreeItem child : Children(source)) {
        last = CopySubtree(child, copy, last);
    }
    if (tree_.IsExpanded(source)) {
        tree_.Expand(copy, tarnui::TreeExpand::Expand);
    }
    return copy;
}

void CSectionTreeNodes::DeleteChildren(TreeItem item) {
    while (TreeItem child = FirstChild(item)) {
        tree_.DeleteItem(child);
    }
}

void CSectionTreeNodes::BuildChildren(TreeItem item) {
    DeleteChildren(item);
    const std::string& text = Text(item);  // unchanged while its children are inserted
    if (!HasSectionParts(text) ||
        CheckSectionList(text, caps_.overlayAllowed, caps_.partialAllowed, true) != 0) {
        return;
    }
    std::string storage;
    BuildParts(item, NormalSectionView(text, storage));
}

void CSectionTreeNodes::BuildParts(TreeItem item, std::string_view normal) {
    // Each part goes into the tree as the split finds it, its own parts beneath it at once;
    // a part lives in its parent's text, which stays as it is meanwhile.
    ForEachGroupOfValidText(normal, [this, item](std::string_view part, uint32_t overlay) {
        const bool hasParts = HasSectionParts(part);
        const int kind = overlay != 0 ? kNodeOverlayMember : hasParts ? kNodeSubList : kNodeSection;
        const TreeItem child = Insert(part, kind, item, tarnui::kTreeLast);
        if (hasParts && SplitPartPassesCheck(part, caps_.overlayAllowed)) {
            BuildParts(child, part);
        }
    });
}

std::string CSectionTreeNodes::ComposeChildren(TreeItem parent, TreeItem replaced,
                                               const std::string& replacement) const {
    std::string composed;
    bool first = true;
    for (TreeItem child = FirstChild(parent); child != 0; child = Next(child)) {
        const std::string text = child == replaced ? replacement : Text(child);
        if (!first) {
            composed += Kind(child) == kNodeOverlayMember ? ":" : ",";
        }
        first = false;
        if (HasTopLevelOverlay(text) != 0) {
            composed += "(" + text + ")";
        } else {
            composed += text;
        }
    }
    NormalizeSectionText(composed);
    return composed;
}

void CSectionTreeNodes::RecomposeUpward(TreeItem item) {
    for (; item != 0 && Kind(item) >= kNodeSectionList; item = Parent(item)) {
        if (FirstChild(item) != 0) {
            SetText(item, ComposeChildren(item));
        }
        if (Kind(item) == kNodeSectionList) {
            break;
        }
    }
}

std::string CSectionTreeNodes::ListTextWith(TreeItem item, const std::string& replacement) const {
    std::string text = replacement;
    NormalizeSectionText(text);
    for (; item != 0 && Kind(item) > kNodeSectionList; item = Parent(item)) {
        text = ComposeChildren(Parent(item), item, text);
    }
    return text;
}

void CSectionTreeNodes::MergeNeighbours(TreeItem item) {
    const auto joinable = [this](TreeItem node) {
        return node != 0 && !IsMember(node) && Text(node).find(':') == std::string::npos;
    };
    for (; item != 0 && Kind(item) >= kNodeSectionList; item = Parent(item)) {
        const std::string text = Text(item);
        if (text.find(':') != std::string::npos || GetSectionTextKind(text) == 0) {
            TreeItem child = FirstChild(item);
            while (child != 0) {
                const TreeItem next = Next(child);
                if (!joinable(child) || !joinable(next)) {
                    child = next;
                    continue;
                }
                const bool expanded = tree_.IsExpanded(child);
                SetText(child, Text(child) + "," + Text(next));
                SetKind(child, kNodeSubList);
                tree_.DeleteItem(next);
                BuildChildren(child);
                if (expanded) {
                    tree_.Expand(child, tarnui::TreeExpand::Expand);
                }
            }
        }
        if (Kind(item) == kNodeSectionList) {
            break;
        }
    }
}

void CSectionTreeNodes::SelectAtTop(TreeItem item) {
    if (item != 0) {
        tree_.SelectItem(item);
        tree_.SelectSetFirstVisible(item);
    }
}

TreeItem CSectionTreeNodes::AppendGroup(const tagLinkerSectionInfo& entry) {
    std::string address = JoinAddressList(caps_.rangeAllowed, caps_.severalAllowed,
                                          entry.startAddresses, entry.endAddresses);
    const TreeItem group = Insert(address, kNodeGroup, Root(), tarnui::kTreeLast);
    std::string storage;
    const TreeItem list = Insert(NormalSectionView(entry.sections, storage), kNodeSectionList,
                                 group, tarnui::kTreeLast);
    tree_.Expand(group, tarnui::TreeExpand::Expand);
    BuildChildren(list);
    return list;
}

void CSectionTreeNodes::Rebuild(const LinkerSectionRows& entries, const std::string& rootText) {
    tree_.DeleteAllItems();
    const TreeItem root = Insert(rootText, kNodeRoot, tarnui::kTreeRoot, tarnui::kTreeLast);
    for (const auto& entry : entries) {
        AppendGroup(*entry);
    }
    tree_.Expand(root, tarnui::TreeExpand::Expand);
    SelectAtTop(root);
}
