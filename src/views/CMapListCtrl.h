// The report list control of the Map list views. Over the platform's list control it keeps
// the widths of hidden columns, offers a header menu that hides and shows columns, saves
// and restores column layouts in the profile service, records a text colour per cell,
// optionally fits columns to their longest text, and writes and prints its content.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/ListControl.h"
#include "src/shell/HostInterfaces.h"
#include "src/views/RememberedColumnWidths.h"

class CMapListCtrl : public RememberedColumnWidths<tarnui::ListControl> {
public:
    // Auto-fit option bits: kAutoFitAll fits every column; kAutoFitColumn0 << c fits column c
    // (c from 0 to 9).
    static constexpr uint32_t kAutoFitAll = 1;
    static constexpr uint32_t kAutoFitColumn0 = 2;
    static constexpr int kAutoFitColumns = 10;
    static constexpr int kFirstTextBuffer = 3000;

    // The label-editing style bit is taken out of `listStyle` and remembered as editable.
    bool Create(uint32_t listStyle, const tarnui::Rect& rect, tarnui::Window* parent, int id,
                uint32_t autoFitOption);
    bool IsEditable() const { return editable_; }
    uint32_t AutoFitOption() const { return autoFitOption_; }
    bool FitsColumn(int column) const;  // false until the first insertion
    int LongestText(int column) const;  // 0 for columns past the tenth

    // Items: text changes record the cell's colour and feed the auto-fit.
    int InsertItem(int index, std::string text);
    bool SetItemText(int item, int column, std::string text);
    // A whole row at the end, as InsertItem and SetItemText of each text would make it.
    int AppendItem(std::vector<std::string> texts);
    // Makes room for `count` more rows and holds the change notifications until EndFill.
    void BeginFill(int count);
    // The cell's whole text, however long (read through a growing buffer).
    std::string GetItemText(int item, int column) const;
    // The text colour recorded for a cell; the control's text colour when none was.
    tarnui::Color GetCellColor(int item, int column) const;

    // Hides a shown column (remembering its width) or shows a hidden one again; redraws.
    bool ToggleColumn(int column);

    // The column layout under a window class name ("ColWidth" + c).
    void SaveColumnLayout(IBraeProfile* profile, const std::string& section) const;
    void RestoreColumnLayout(IBraeProfile* profile, const std::string& section);

    // The list text (1, or 0 when the file cannot be created) and printing.
    int WriteListText(const std::string& path) const;
    void PrintList();

protected:
    bool OnHeaderRightClick(int column, tarnui::Point screen) override;
    void OnItemInserted(int item) override;
    void OnItemDeleted(int item) override;
    void OnAllItemsDeleted() override { cellColors_.clear(); }
    void OnColumnInserted(int column) override;
    void OnColumnDeleted(int column) override;

private:
    // Cell colours: one row of CellStride() colours per item, kNoCellColour where no text was
    // set. A change of the column count moves every row's colours to the new stride.
    static constexpr tarnui::Color kNoCellColour = 0xFFFFFFFFu;  // never a 0x00BBGGRR colour
    int CellStride() const;
    size_t CellIndex(int item, int column) const {
        return static_cast<size_t>(item) * static_cast<size_t>(CellStride()) +
               static_cast<size_t>(column);
    }
    void ChangeCellStride(int oldStride, int column, bool inserted);
    void DeriveAutoFit();
    void FitColumn(int column, const std::string& text);

    bool editable_ = false;
    uint32_t autoFitOption_ = 0;
    bool autoFitDerived_ = false;
    bool fitAll_ = false;
    std::array<bool, kAutoFitColumns> fitColumn_{};
    std::array<int32_t, kAutoFitColumns> longest_{};
    // The text colour of each cell, indexed by item x column count + column.
    std::vector<tarnui::Color> cellColors_;
};
