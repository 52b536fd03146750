#include "src/editor/CSectionTreeEditor.h"

#include <algorithm>

#include "src/editor/CheckMessage.h"
#include "src/editor/SectionCheckErrors.h"
#include "src/editor/SectionListCheck.h"

namespace {

std::string Normalized(std::string text) {
    NormalizeSectionText(text);
    return text;
}

}  // namespace

// --- enable rules ------------------------------------------------------------------------------

bool CSectionTreeEditor::CanAddSection(TreeItem selected) const {
    return editMode_ && nodes_.Kind(selected) >= kNodeSectionList;
}

bool CSectionTreeEditor::CanAddOverlayGroup(TreeItem selected) const {
    const int kind = nodes_.Kind(selected);
    if (!editMode_ || !nodes_.Capabilities().overlayAllowed || kind < kNodeSectionList ||
        kind == kNodeOverlayMember) {
        return false;
    }
    const TreeItem parent = nodes_.Parent(selected);
    if (nodes_.IsMember(parent) || nodes_.IsMember(nodes_.Next(parent))) {
        return false;
    }
    if (kind == kNodeSection && !nodes_.Capabilities().partialAllowed) {
        return false;
    }
    return kind != kNodeSectionList || HasParentheses(nodes_.Text(selected)) == 0;
}

bool CSectionTreeEditor::CanEditItem(TreeItem selected) const {
    return editMode_ && nodes_.Kind(selected) > kNodeRoot;
}

bool CSectionTreeEditor::CanCutOrCopy(TreeItem selected) const {
    return editMode_ && nodes_.Kind(selected) >= kNodeSubList;
}

bool CSectionTreeEditor::CanPaste(TreeItem selected) const {
    if (!editMode_ || clipboardText_.empty() || nodes_.Kind(selected) < kNodeSectionList) {
        return false;
    }
    if (clipboardKind_ == kNodeOverlayMember || HasTopLevelOverlay(clipboardText_) != 0) {
        return OverlayPasteAccepted(clipboardText_, clipboardKind_, selected);
    }
    return true;
}

bool CSectionTreeEditor::CanDelete(TreeItem selected) const {
    return editMode_ && nodes_.Kind(selected) > kNodeRoot;
}

bool CSectionTreeEditor::CanMoveUp(TreeItem selected) const {
    const int kind = nodes_.Kind(selected);
    return editMode_ && (kind == kNodeSubList || kind == kNodeSection) &&
           nodes_.Prev(selected) != 0;
}

bool CSectionTreeEditor::CanMoveDown(TreeItem selected) const {
    const int kind = nodes_.Kind(selected);
    const TreeItem next = nodes_.Next(selected);
    return editMode_ && (kind == kNodeSubList || kind == kNodeSection) && next != 0 &&
           !nodes_.IsMember(next);
}

bool CSectionTreeEditor::CanChangePrimary(TreeItem selected) const {
    return editMode_ && nodes_.IsMember(selected);
}

bool CSectionTreeEditor::ColonAllowedForAdd(TreeItem selected) const {
    if (!nodes_.Capabilities().partialAllowed || nodes_.IsMember(nodes_.Next(selected))) {
        return false;
    }
    for (TreeItem item = selected; item != 0 && nodes_.Kind(item) >= kNodeSectionList;
         item = nodes_.Parent(item)) {
        if (nodes_.IsMember(item) || HasTopLevelOverlay(nodes_.Text(item)) != 0 ||
            nodes_.IsPrimary(item)) {
            return false;
        }
        if (nodes_.Kind(item) == kNodeSectionList) {
            break;
        }
    }
    return true;
}

bool CSectionTreeEditor::ColonAllowedForEdit(TreeItem selected) const {
    const int kind = nodes_.Kind(selected);
    const TreeItem parent = nodes_.Parent(selected);
    return nodes_.Capabilities().partialAllowed && (kind == kNodeSubList || kind == kNodeSection) &&
           !nodes_.IsPrimary(selected) && !nodes_.IsMember(parent) &&
           !nodes_.IsMember(nodes_.Next(parent));
}

bool CSectionTreeEditor::CanBeginDrag(TreeItem item) const {
    return editMode_ && nodes_.Kind(item) >= kNodeSubList;
}

bool CSectionTreeEditor::OverlayPasteAccepted(const std::string& moved, int movedKind,
                                              TreeItem target) const {
    const int kind = nodes_.Kind(target);
    if (kind < kNodeSectionList) {
        return false;
    }
    const std::string targetText = nodes_.Text(target);
    std::string combined;
    if (movedKind == kNodeOverlayMember) {
        combined = "(" + targetText + ":" + moved + ")";
    } else if (GetSectionTextKind(targetText) == 0) {
        combined = targetText + ",(" + moved + ")";
    } else {
        combined = "(" + moved + ")," + targetText;
    }
    const std::string tested = nodes_.ListTextWith(target, combined);
    const SectionCapabilities& caps = nodes_.Capabilities();
    if (CheckSectionList(tested, caps.overlayAllowed, caps.partialAllowed, true) != 0) {
        return false;
    }
    const bool targetOverlay = HasTopLevelOverlay(targetText) != 0;
    const bool listOverlay = HasTopLevelOverlay(nodes_.Text(nodes_.ListNodeOf(target))) != 0;
    if (movedKind == kNodeOverlayMember) {
        switch (kind) {
            case kNodeSectionList:
                return HasParentheses(targetText) == 0;
            case kNodeSubList:
                return true;
            case kNodeSection:
                return !listOverlay || nodes_.IsPrimary(target);
            default:
                return false;
        }
    }
    if (HasTopLevelOverlay(moved) != 0) {
        switch (kind) {
            case kNodeSectionList:
            case kNodeSubList:
                return !targetOverlay && !listOverlay;
            case kNodeSection:
                return !listOverlay;
            default:
                return false;
        }
    }
    return true;
}

bool CSectionTreeEditor::IsDropAcceptable(TreeItem dragged, TreeItem target) const {
    const int targetKind = nodes_.Kind(target);
    if (!editMode_ || dragged == 0 || target == 0 || nodes_.IsWithin(target, dragged) ||
        targetKind < kNodeSectionList) {
        return false;
    }
    const bool draggedMember = nodes_.IsMember(dragged);
    const bool targetMember = targetKind == kNodeOverlayMember;
    const TreeItem parent = nodes_.Parent(dragged);
    if (nodes_.Parent(target) == parent && (draggedMember || targetMember)) {
        return false;
    }
    if (target == parent && (draggedMember || nodes_.IsPrimary(dragged))) {
        return false;
    }
    if (draggedMember && targetMember) {
        return false;
    }
    const std::string text = nodes_.Text(dragged);
    if ((draggedMember || HasTopLevelOverlay(text) != 0) &&
        !OverlayPasteAccepted(text, nodes_.Kind(dragged), target)) {
        return false;
    }
    if (nodes_.GroupOf(dragged) == nodes_.GroupOf(target) && nodes_.IsPrimary(dragged) &&
        (targetMember || nodes_.IsMember(nodes_.Parent(target)))) {
        return false;
    }
    return true;
}

// --- operations -------------------------------------------------------------------------------

void CSectionTreeEditor::AddSectionGroup(const std::string& addresses,
                                         const std::string& sections) {
    tagLinkerSectionInfo entry;
    entry.startAddresses.push_back(addresses);
    entry.endAddresses.emplace_back();
    entry.sections = sections;
    const TreeItem list = nodes_.AppendGroup(entry);
    MarkModified();
    nodes_.SelectAtTop(list);
}

void CSectionTreeEditor::AddSection(TreeItem selected, const std::string& text) {
    const int kind = nodes_.Kind(selected);
    if (kind < kNodeSectionList) {
        return;
    }
    TreeItem parent = selected;
    TreeItem after = tarnui::kTreeFirst;
    const auto ownTextFirst = [&] {
        after = nodes_.Insert(nodes_.Text(selected), kNodeSection, selected, tarnui::kTreeFirst);
    };
    switch (kind) {
        case kNodeSectionList:
            if (!HasSectionParts(nodes_.Text(selected))) {
                ownTextFirst();
            }
            break;
        case kNodeSubList:
            break;
        case kNodeOverlayMember:
            if (nodes_.FirstChild(selected) == 0) {
                ownTextFirst();
            }
            break;
        default:  // a single section
            if (HasTopLevelOverlay(nodes_.Text(nodes_.Parent(selected))) != 0) {
                nodes_.SetKind(selected, kNodeSubList);
                ownTextFirst();
            } else {
                parent = nodes_.Parent(selected);
                after = selected;
            }
            break;
    }

    const bool overlay = HasTopLevelOverlay(text) != 0;
    if (overlay) {
        const TreeItem node = nodes_.Insert(Normalized(text), kNodeSubList, parent, after);
        nodes_.BuildChildren(node);
    } else {
        std::vector<CLinkerSubSectionGroup> parts;
        const SectionCapabilities& caps = nodes_.Capabilities();
        SplitSectionList(text, caps.overlayAllowed, caps.partialAllowed, parts);
        for (const CLinkerSubSectionGroup& part : parts) {
            const bool hasParts = HasSectionParts(part.text);
            after = nodes_.Insert(part.text, hasParts ? kNodeSubList : kNodeSection, parent, after);
            if (hasParts) {
                nodes_.BuildChildren(after);
            }
        }
    }
    nodes_.RecomposeUpward(parent);
    TreeItem shown = parent;
    if (overlay) {
        shown = nodes_.ListNodeOf(parent);
        nodes_.BuildChildren(shown);
    } else {
        nodes_.MergeNeighbours(parent);
    }
    nodes_.SelectAtTop(shown);
    MarkModified();
}

bool CSectionTreeEditor::AddOverlayGroup(TreeItem selected, const std::string& run, int first,
                                         int count, const std::string& overlay, bool fromPaste) {
    TreeItem target = selected;
    std::string runText = run;
    const TreeItem parent = nodes_.Parent(selected);
    if (nodes_.Kind(parent) >= kNodeSectionList && HasTopLevelOverlay(nodes_.Text(parent)) != 0) {
        target = parent;
        runText = nodes_.Text(parent);
    }
    const std::string part = "(" + runText + ":" + overlay + ")";
    std::string newText = part;
    std::string tested;
    if (fromPaste) {
        tested = nodes_.ListTextWith(target, part);
    } else {
        if (HasTopLevelOverlay(nodes_.Text(target)) == 0) {
            std::vector<std::string> texts;
            for (TreeItem child : nodes_.Children(target)) {
                const std::string text = nodes_.Text(child);
                const bool nested = HasTopLevelOverlay(text) != 0;
                texts.push_back((nodes_.IsMember(child) ? ":" : "") +
                                (nested ? "(" + text + ")" : text));
            }
            if (texts.empty()) {
                texts.push_back(nodes_.Text(target));
            }
            const int from = std::clamp(first, 0, static_cast<int>(texts.size()));
            const int to = std::clamp(first + count, from, static_cast<int>(texts.size()));
            texts.erase(texts.begin() + from, texts.begin() + to);
            texts.insert(texts.begin() + from, part);
            newText.clear();
            for (size_t i = 0; i < texts.size(); ++i) {
                newText += (i > 0 ? "," : "") + texts[i];
            }
            for (size_t at = newText.find(",:"); at != std::string::npos;
                 at = newText.find(",:", at)) {
                newText.erase(at, 1);
            }
        }
        tested = newText;
    }
    NormalizeSectionText(tested);
    const SectionCapabilities& caps = nodes_.Capabilities();
    if (const int error =
            CheckSectionList(tested, caps.overlayAllowed, caps.partialAllowed, true)) {
        ShowCheckMessage(error);
        return false;
    }
    nodes_.SetText(target, Normalized(newText));
    if (nodes_.Kind(target) != kNodeSectionList) {
        nodes_.RecomposeUpward(nodes_.Parent(target));
    }
    const TreeItem list = nodes_.ListNodeOf(target);
    nodes_.BuildChildren(list);
    nodes_.SelectAtTop(list);
    MarkModified();
    return true;
}

void CSectionTreeEditor::ApplyEditedItem(TreeItem selected, const std::string& text) {
    const int kind = nodes_.Kind(selected);
    if (kind == kNodeGroup) {
        nodes_.SetText(selected, text);
        nodes_.SelectAtTop(selected);
    } else if (kind == kNodeSectionList) {
        nodes_.SetText(selected, Normalized(text));
        nodes_.BuildChildren(selected);
        nodes_.SelectAtTop(selected);
    } else if (kind >= kNodeSubList) {
        const TreeItem parent = nodes_.Parent(selected);
        nodes_.SetText(selected, Normalized(text));
        nodes_.RecomposeUpward(parent);
        nodes_.BuildChildren(parent);
        nodes_.SelectAtTop(parent);
    } else {
        return;
    }
    MarkModified();
}

void CSectionTreeEditor::Copy(TreeItem selected) {
    if (nodes_.Kind(selected) < kNodeSubList) {
        return;
    }
    clipboardText_ = nodes_.Text(selected);
    clipboardKind_ = nodes_.Kind(selected);
}

void CSectionTreeEditor::Cut(TreeItem selected) {
    if (nodes_.Kind(selected) < kNodeSubList) {
        return;
    }
    MarkModified();
    Copy(selected);
    Delete(selected);
}

void CSectionTreeEditor::Paste(TreeItem selected) {
    if (clipboardText_.empty() || nodes_.Kind(selected) < kNodeSectionList) {
        return;
    }
    if (clipboardKind_ != kNodeOverlayMember) {
        AddSection(selected, clipboardText_);
    } else {
        AddOverlayGroup(selected, nodes_.Text(selected), 0, 1, clipboardText_, true);
    }
    MarkModified();
    clipboardText_.clear();
}

void CSectionTreeEditor::CollapseSingleChild(TreeItem parent) {
    const TreeItem child = nodes_.FirstChild(parent);
    if (child == 0 || nodes_.Next(child) != 0) {
        return;
    }
    nodes_.SetText(parent, Normalized(nodes_.Text(child)));
    nodes_.Tree().DeleteItem(child);
    if (nodes_.Kind(parent) == kNodeSubList && GetSectionTextKind(nodes_.Text(parent)) == 0) {
        nodes_.SetKind(parent, kNodeSection);
    }
    // A remaining part such as "B:E" keeps its parts beneath the parent.
    nodes_.BuildChildren(parent);
}

void CSectionTreeEditor::Delete(TreeItem item) {
    const int kind = nodes_.Kind(item);
    if (kind <= kNodeRoot) {
        return;
    }
    MarkModified();
    // A list node goes with its group, so the selection moves as for the group.
    const TreeItem removed = kind == kNodeSectionList ? nodes_.Parent(item) : item;
    TreeItem selection = nodes_.Next(removed);
    if (selection == 0) {
        selection = nodes_.Prev(removed);
    }
    if (selection == 0) {
        selection = nodes_.Parent(removed);
    }
    nodes_.Tree().SelectItem(selection);
    if (kind <= kNodeSectionList) {
        nodes_.Tree().DeleteItem(removed);
        return;
    }

    const TreeItem parent = nodes_.Parent(item);
    const bool heldOverlay = HasTopLevelOverlay(nodes_.Text(item)) != 0;
    const bool wasMember = nodes_.IsMember(item);
    const bool wasPrimary = nodes_.IsPrimary(item);
    nodes_.Tree().DeleteItem(item);
    nodes_.RecomposeUpward(parent);
    CollapseSingleChild(parent);
    TreeItem mergeFrom = parent;
    if (heldOverlay || wasMember || wasPrimary) {
        const TreeItem list =
            nodes_.Kind(parent) == kNodeSectionList ? parent : nodes_.Parent(parent);
        const bool selectionInside = nodes_.IsWithin(selection, list) && selection != list;
        nodes_.BuildChildren(list);
        if (!nodes_.Tree().IsValid(parent)) {
            mergeFrom = list;
        }
        if (selectionInside) {
            nodes_.Tree().SelectItem(list);
        }
    }
    nodes_.MergeNeighbours(mergeFrom);
    if (nodes_.Tree().GetSelectedItem() == 0) {
        nodes_.Tree().SelectItem(mergeFrom);
    }
}

void CSectionTreeEditor::Swap(TreeItem first, TreeItem second) {
    tarnui::TreeControl& tree = nodes_.Tree();
    const TreeItem parent = nodes_.Parent(first);
    const TreeItem selected = tree.GetSelectedItem();
    tree.SetRedraw(false);
    const TreeItem copy = nodes_.CopySubtree(first, parent, second);
    tree.DeleteItem(first);
    nodes_.RecomposeUpward(parent);
    tree.SelectItem(selected == first ? copy : selected);
    nodes_.MergeNeighbours(parent);
    tree.SetRedraw(true);
    MarkModified();
}

void CSectionTreeEditor::MoveUp(TreeItem selected) {
    const TreeItem prev = nodes_.Prev(selected);
    if (prev != 0) {
        Swap(prev, selected);
    }
}

void CSectionTreeEditor::MoveDown(TreeItem selected) {
    const TreeItem next = nodes_.Next(selected);
    if (next != 0) {
        Swap(selected, next);
    }
}

void CSectionTreeEditor::ChangePrimary(TreeItem member) {
    if (!nodes_.IsMember(member)) {
        return;
    }
    MarkModified();
    const TreeItem parent = nodes_.Parent(member);
    nodes_.SetKind(nodes_.FirstChild(parent), kNodeOverlayMember);
    const TreeItem copy = nodes_.CopySubtree(member, parent, tarnui::kTreeFirst);
    nodes_.SetKind(copy, GetSectionTextKind(nodes_.Text(copy)) == 0 ? kNodeSection : kNodeSubList);
    nodes_.Tree().DeleteItem(member);
    nodes_.RecomposeUpward(parent);
    nodes_.MergeNeighbours(parent);
    nodes_.Tree().SelectItem(copy);
}

void CSectionTreeEditor::BeginDrag(TreeItem item) {
    if (CanBeginDrag(item)) {
        clipboardText_ = nodes_.Text(item);
        clipboardKind_ = nodes_.Kind(item);
    }
}

bool CSectionTreeEditor::Drop(TreeItem dragged, TreeItem target) {
    if (!IsDropAcceptable(dragged, target)) {
        return false;
    }
    const std::string text = nodes_.Text(dragged);
    const bool member = nodes_.IsMember(dragged);
    const bool wasPrimary = nodes_.IsPrimary(dragged);
    const TreeItem list = nodes_.ListNodeOf(dragged);
    const TreeItem targetList = nodes_.ListNodeOf(target);
    const std::string listBefore = nodes_.Text(list);
    const std::string targetListBefore = nodes_.Text(targetList);
    const bool modifiedBefore = modified_;
    if (nodes_.GroupOf(dragged) != nodes_.GroupOf(target)) {
        Delete(dragged);
    } else {
        const TreeItem oldParent = nodes_.Parent(dragged);
        bool besideTarget = false;
        for (TreeItem item = dragged; item != 0; item = nodes_.Parent(item)) {
            besideTarget = besideTarget || nodes_.Parent(item) == nodes_.Parent(target);
        }
        nodes_.Tree().DeleteItem(dragged);
        // The old place's texts are recomposed in every case, so that no ancestor keeps the
        // moved text; its children are rebuilt only where that cannot remove the target.
        nodes_.RecomposeUpward(oldParent);
        if (nodes_.Kind(oldParent) == kNodeSubList && !nodes_.IsWithin(target, oldParent)) {
            CollapseSingleChild(oldParent);
        }
        if (!besideTarget && !nodes_.IsWithin(target, oldParent)) {
            nodes_.BuildChildren(oldParent);
        }
    }
    const bool added = member ? AddOverlayGroup(target, nodes_.Text(target), 0, 1, text, true)
                              : (AddSection(target, text), true);
    if (!added) {
        // The moved node is not lost: both section lists return to what they were.
        for (const auto& [node, before] :
             {std::pair{list, listBefore}, std::pair{targetList, targetListBefore}}) {
            nodes_.SetText(node, before);
            nodes_.BuildChildren(node);
        }
        nodes_.SelectAtTop(list);
        modified_ = modifiedBefore;
        return false;
    }
    if (wasPrimary && nodes_.Tree().IsValid(list)) {
        nodes_.BuildChildren(list);
        nodes_.SelectAtTop(list);
    }
    MarkModified();
    return true;
}
