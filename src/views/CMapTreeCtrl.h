// The tree control of the Map tree views. Over the platform's tree control it keeps the
// widths of hidden columns (the tree column cannot be hidden), saves and restores column
// layouts in the profile service and its expansion and scroll state in the workspace, draws
// an image index the image list lacks as image 0, and writes and prints its content.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/TreeControl.h"
#include "src/shell/HostInterfaces.h"
#include "src/views/RememberedColumnWidths.h"
#include "src/views/TreeTextWriter.h"

class CWorkspaceDataAccessor;

class CMapTreeCtrl : public RememberedColumnWidths<tarnui::TreeControl> {
public:
    // An image index not below the image list's count draws image 0.
    int ImageToDraw(tarnui::TreeItem item) const override;

    // The tree column is there from the start.
    CMapTreeCtrl() : RememberedColumnWidths(1) {}

    // Columns; a saved layout never hides the tree column.
    int InsertColumn(int index, std::string title, int width);
    bool DeleteColumn(int index);
    void ApplySavedColumnValue(int column, int32_t value);
    // Hides a shown column or shows a hidden one again; the tree column stays.
    bool ToggleColumn(int column);

    // The column layout under a window class name ("ColWidth" + c).
    void SaveColumnLayout(IBraeProfile* profile, const std::string& section) const;
    void RestoreColumnLayout(IBraeProfile* profile, const std::string& section);

    // Column widths, expansion states ("Exp" + n, depth first) and scroll positions under a
    // key prefix of the workspace.
    void SaveInstanceState(CWorkspaceDataAccessor& accessor, const std::string& prefix) const;
    void RestoreInstanceState(CWorkspaceDataAccessor& accessor, const std::string& prefix);

    // The tree text (1, or 0 when the file cannot be opened) and printing.
    int WriteTreeText(const std::string& path);
    void PrintTree();
    const TreePrintLayout& PrintLayout() const { return layout_; }
    const std::string& HeadingLine() const { return layout_.headingLine; }
    const std::string& SeparatorLine() const { return layout_.separatorLine; }

protected:
    bool OnHeaderRightClick(int column, tarnui::Point screen) override;

private:
    void SaveExpansion(CWorkspaceDataAccessor& accessor, const std::string& prefix,
                       tarnui::TreeItem first, int& n) const;
    void RestoreExpansion(CWorkspaceDataAccessor& accessor, const std::string& prefix,
                          tarnui::TreeItem first, int& n);

    TreePrintLayout layout_;
};
