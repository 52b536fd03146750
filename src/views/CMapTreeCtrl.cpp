#include "src/views/CMapTreeCtrl.h"

#include "platform/graphics/Font.h"
#include "platform/graphics/ImageList.h"
#include "src/shell/CWorkspaceDataAccessor.h"
#include "src/views/ColumnHeaderMenu.h"
#include "src/views/ColumnLayout.h"
#include "src/views/TreePrinter.h"

int CMapTreeCtrl::ImageToDraw(tarnui::TreeItem item) const {
    int image = 0, selectedImage = 0;
    if (GetImageList() == nullptr || !GetItemImage(item, image, selectedImage)) {
        return -1;
    }
    const int index = item == GetSelectedItem() ? selectedImage : image;
    if (index < 0 || GetImageList()->Count() == 0) {
        return -1;
    }
    return index < GetImageList()->Count() ? index : 0;
}

// ---- columns ------------------------------------------------------------------------------

int CMapTreeCtrl::InsertColumn(int index, std::string title, int width) {
    const int at = TreeControl::InsertColumn(index, std::move(title), width);
    if (at >= 0) {
        RememberInsertedColumn(at);
    }
    return at;
}

bool CMapTreeCtrl::DeleteColumn(int index) {
    if (!TreeControl::DeleteColumn(index)) {
        return false;
    }
    ForgetDeletedColumn(index);
    return true;
}

void CMapTreeCtrl::ApplySavedColumnValue(int column, int32_t value) {
    // The tree column is never hidden: its remembered width is used instead.
    if (column == 0 && value <= 0) {
        if (value < 0) {
            SetColumnWidth(0, value == INT32_MIN ? INT32_MAX : -value);
        }
        return;
    }
    RememberedColumnWidths::ApplySavedColumnValue(column, value);
}

bool CMapTreeCtrl::ToggleColumn(int column) {
    if (column <= 0 || column >= GetColumnCount()) {
        return false;
    }
    ToggleColumnWidth(column, tarnui::GetTextExtent(GetItemFont(), GetColumnTitle(column)).cx + 12);
    Invalidate();
    return true;
}

bool CMapTreeCtrl::OnHeaderRightClick(int /*column*/, tarnui::Point screen) {
    std::vector<ColumnMenuEntry> entries;
    for (int c = 0; c < GetColumnCount(); ++c) {
        entries.push_back({GetColumnTitle(c), IsColumnShown(c), c == 0});
    }
    const int chosen = TrackColumnHeaderMenu(*this, entries, screen);
    if (chosen > 0) {
        ToggleColumn(chosen);
    }
    return true;
}

void CMapTreeCtrl::SaveColumnLayout(IBraeProfile* profile, const std::string& section) const {
    SaveColumnLayoutTo(profile, section, *this, false);
}

void CMapTreeCtrl::RestoreColumnLayout(IBraeProfile* profile, const std::string& section) {
    RestoreColumnLayoutFrom(profile, section, *this, false);
}

// ---- instance state -----------------------------------------------------------------------

void CMapTreeCtrl::SaveExpansion(CWorkspaceDataAccessor& accessor, const std::string& prefix,
                                 tarnui::TreeItem first, int& n) const {
    for (tarnui::TreeItem item = first; item != 0; item = GetNextSiblingItem(item)) {
        const bool expanded = IsExpanded(item);
        accessor.WriteNumber(prefix + "Exp" + std::to_string(n), expanded ? 1 : 0);
        ++n;
        if (expanded && GetChildItem(item) != 0) {
            SaveExpansion(accessor, prefix, GetChildItem(item), n);
        }
    }
}

void CMapTreeCtrl::RestoreExpansion(CWorkspaceDataAccessor& accessor, const std::string& prefix,
                                    tarnui::TreeItem first, int& n) {
    for (tarnui::TreeItem item = first; item != 0; item = GetNextSiblingItem(item)) {
        int32_t expanded = 0;
        accessor.ReadNumber(prefix + "Exp" + std::to_string(n), 0, expanded);
        ++n;
        if (expanded != 0) {
            Expand(item, tarnui::TreeExpand::Expand);
            if (GetChildItem(item) != 0) {
                RestoreExpansion(accessor, prefix, GetChildItem(item), n);
            }
        } else if (IsExpanded(item)) {
            Expand(item, tarnui::TreeExpand::Collapse);
        }
    }
}

void CMapTreeCtrl::SaveInstanceState(CWorkspaceDataAccessor& accessor,
                                     const std::string& prefix) const {
    if (GetColumnCount() > 1) {
        for (int c = 0; c < GetColumnCount(); ++c) {
            accessor.WriteNumber(prefix + ColumnWidthKey(c), SavedColumnValue(*this, c));
        }
    }
    int n = 0;
    SaveExpansion(accessor, prefix, GetRootItem(), n);
    accessor.WriteNumber(prefix + "ScrollHorz", GetScrollPosHorz());
    accessor.WriteNumber(prefix + "ScrollVert", GetScrollPosVert());
}

void CMapTreeCtrl::RestoreInstanceState(CWorkspaceDataAccessor& accessor,
                                        const std::string& prefix) {
    if (GetColumnCount() > 1) {
        for (int c = 0; c < GetColumnCount(); ++c) {
            int32_t value = 0;
            // A width the workspace does not hold keeps the current one.
            if (accessor.ReadNumber(prefix + ColumnWidthKey(c), -1, value)) {
                ApplySavedColumnValue(c, value);
            }
        }
    }
    int n = 0;
    RestoreExpansion(accessor, prefix, GetRootItem(), n);
    int32_t horizontal = 0, vertical = 0;
    accessor.ReadNumber(prefix + "ScrollHorz", 0, horizontal);
    accessor.ReadNumber(prefix + "ScrollVert", 0, vertical);
    SetScrollPosHorz(horizontal);
    SetScrollPosVert(vertical);
}

// ---- text and printing --------------------------------------------------------------------

int CMapTreeCtrl::WriteTreeText(const std::string& path) {
    return ::WriteTreeText(*this, layout_, path);
}

void CMapTreeCtrl::PrintTree() {
    ::PrintTree(*this, layout_);
}
