// The read-only list view both lists of the Map windows are made of. It owns a report list
// control, builds its columns from string-table titles, keeps the sort column and direction
// the person sets by clicking a header (shown as an arrow in that header), applies the view
// font and colours, prints, opens the source of the selected row, and keeps the column widths
// in the user's profile and in the workspace. Derived views fill the rows in Refresh.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/graphics/ImageList.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/views/CMapListCtrl.h"

class CWorkspaceDataAccessor;

class CTarnMapListInstanceCtrl : public CTarnDebugInstanceDataCtrlEx {
public:
    // `layoutSection`: the window class name under which the column layout is kept in the
    // profile service.
    CTarnMapListInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager, CUiCommandSink* sink,
                             CTarnMapDataManager* dataManager, int kind, std::string layoutSection);
    // Destroys the window while the list still exists, so that its layout is saved.
    ~CTarnMapListInstanceCtrl() override;

    int HelpContextId() const override;
    std::string HelpFile(int command, int contextId) const override;
    void SetViewFont(const std::string& name, int size) override;
    void SetViewColors(const std::string& item, int foreground, int background) override;
    void PrintView() override;

    // The column widths under prefix + "ColWidth" + column in the workspace.
    virtual void SaveInstanceSettings(CWorkspaceDataAccessor& accessor, const std::string& prefix);
    virtual void LoadInstanceSettings(CWorkspaceDataAccessor& accessor, const std::string& prefix);
    // Left-aligned columns titled by the strings, each 1.5 characters of the view font wide per
    // byte of its title; then the header arrows.
    virtual void InitColumns(CMapListCtrl& list, const int* titles, int count);

    CMapListCtrl& List() { return list_; }
    const CMapListCtrl& List() const { return list_; }
    int SortColumn() const { return sortColumn_; }
    int SortDirection() const { return sortDirection_; }
    const std::string& LayoutSection() const { return layoutSection_; }

    // A click on the header of `column`: the first click sorts ascending, the next descending,
    // and so on; then the view refreshes.
    void OnColumnClick(int column);

protected:
    // The creation sequence of a list view: the framework's creation, the toolbar, the list
    // control (identifier 204), its columns and the saved layout.
    bool CreateListView(int toolbarResource, std::span<const int> titles);
    void OnDestroy() override;

    void SetSort(int column, int direction) {
        sortColumn_ = column;
        sortDirection_ = direction;
    }
    bool HasSort() const { return sortColumn_ != -1 && sortDirection_ != -1; }
    // Whether the frame that holds the view is shown; the views refresh only then.
    bool FrameShown() const;

    // Texts of the address and size columns, through the host's value conversion.
    std::string FormatAddress(uint32_t value) const;
    std::string FormatSize(uint32_t value) const;
    // The end address column: start + size - 1, empty for a size of 0.
    std::string FormatEnd(uint32_t start, uint32_t size) const;

    // "View source": the source line of the selected row's start address.
    void OnViewSource();
    void OnUpdateViewSource(tarnui::CommandUI& ui);
    void OnPrint();
    void OnUpdatePrint(tarnui::CommandUI& ui);
    // Maps a print command of the view, besides the host's common one, onto PrintView.
    void MapPrintCommand(int command);

private:
    // The file and line of the selected row's start address; false when there is none.
    bool SelectedSourceLine(WString& file, int32_t& line) const;
    void InstallHeaderImages();
    void UpdateHeaderArrows();

    CMapListCtrl list_;
    std::string layoutSection_;
    int sortDirection_ = -1;
    int sortColumn_ = -1;
    tarnui::ImageList headerImages_;
    // Reused for every cell the value conversion writes, so that a refresh does not allocate one
    // text per cell.
    mutable WString conversionText_;
};
