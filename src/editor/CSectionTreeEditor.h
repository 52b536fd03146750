// The edit operations of the section setting tree: adding sections and overlay groups,
// applying an edited item, cut, copy and paste through the window's own clipboard, delete,
// moving parts up and down, changing the primary part of an overlay and moving nodes by
// drag and drop; with the rules that enable each of them. The texts come already checked
// from the dialogs; the operations that build a new text check it and show the fault.
// Every change sets the modified flag while edit mode is on.
#pragma once

#include <string>

#include "src/editor/CSectionTreeNodes.h"

class CSectionTreeEditor {
public:
    explicit CSectionTreeEditor(CSectionTreeNodes& nodes) : nodes_(nodes) {}

    void SetEditMode(bool on) { editMode_ = on; }
    bool EditMode() const { return editMode_; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    const std::string& ClipboardText() const { return clipboardText_; }
    int ClipboardKind() const { return clipboardKind_; }

    // Enable rules.
    bool CanAddSection(TreeItem selected) const;
    bool CanAddOverlayGroup(TreeItem selected) const;
    bool CanEditItem(TreeItem selected) const;
    bool CanCutOrCopy(TreeItem selected) const;
    bool CanPaste(TreeItem selected) const;
    bool CanDelete(TreeItem selected) const;
    bool CanMoveUp(TreeItem selected) const;
    bool CanMoveDown(TreeItem selected) const;
    bool CanChangePrimary(TreeItem selected) const;
    // Whether ":" may be typed for an added section at the node, and in an edited part.
    bool ColonAllowedForAdd(TreeItem selected) const;
    bool ColonAllowedForEdit(TreeItem selected) const;

    // Appends a section group from the Add Section Group dialog; selects its list node.
    void AddSectionGroup(const std::string& addresses, const std::string& sections);
    // Adds a checked section text at the node.
    void AddSection(TreeItem selected, const std::string& text);
    // Overlays a run of the node's parts (text `run`, parts first .. first + count - 1) with
    // `overlay`. From paste and drop the whole node is the run and the whole section list is
    // checked. False, after showing the fault, when the result is not a valid section list.
    bool AddOverlayGroup(TreeItem selected, const std::string& run, int first, int count,
                         const std::string& overlay, bool fromPaste);
    // The texts of the edit dialogs: an address list (group), a section list (list node) or a
    // part (kinds 3 to 5).
    void ApplyEditedItem(TreeItem selected, const std::string& text);

    void Copy(TreeItem selected);
    void Cut(TreeItem selected);
    void Paste(TreeItem selected);
    void Delete(TreeItem item);
    void MoveUp(TreeItem selected);
    void MoveDown(TreeItem selected);
    void ChangePrimary(TreeItem member);

    // Drag and drop. Starting a drag fills the clipboard.
    bool CanBeginDrag(TreeItem item) const;
    void BeginDrag(TreeItem item);
    bool IsDropAcceptable(TreeItem dragged, TreeItem target) const;
    // Moves the dragged node to the target; false when the target is not acceptable.
    bool Drop(TreeItem dragged, TreeItem target);

    // Whether a moved text (clipboard kind, text) may be overlaid at or beside the target.
    bool OverlayPasteAccepted(const std::string& moved, int movedKind, TreeItem target) const;

private:
    void MarkModified() {
        if (editMode_) {
            modified_ = true;
        }
    }
    void Swap(TreeItem first, TreeItem second);
    // Removes a single remaining child, the parent carrying its text alone.
    void CollapseSingleChild(TreeItem parent);

    CSectionTreeNodes& nodes_;
    bool editMode_ = false;
    bool modified_ = false;
    std::string clipboardText_;
    int clipboardKind_ = kNodeSection;
};
