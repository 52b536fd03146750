#include "src/views/CMapListCtrl.h"

#include <algorithm>
#include <vector>

#include "platform/graphics/Font.h"
#include "src/views/ColumnHeaderMenu.h"
#include "src/views/ColumnLayout.h"
#include "src/views/ListPrinter.h"
#include "src/views/ListTextWriter.h"

namespace {
// The width a column gets when it is shown without a width to go back to.
int FallbackWidth(const tarnui::ListControl& list, int column) {
    const tarnui::ListColumn* c = list.GetColumn(column);
    const std::string title = c != nullptr ? c->title : std::string();
    return tarnui::GetTextExtent(list.ListFont(), title).cx + 12;
}
}  // namespace

bool CMapListCtrl::Create(uint32_t listStyle, const tarnui::Rect& rect, tarnui::Window* parent,
                          int id, uint32_t autoFitOption) {
    editable_ = (listStyle & tarnui::kLvsEditLabels) != 0;
    autoFitOption_ = autoFitOption;
    return ListControl::Create(parent, rect, id, listStyle & ~tarnui::kLvsEditLabels);
}

// ---- auto-fit -----------------------------------------------------------------------------

void CMapListCtrl::DeriveAutoFit() {
    fitAll_ = (autoFitOption_ & kAutoFitAll) != 0;
    for (int c = 0; c < kAutoFitColumns; ++c) {
        fitColumn_[c] = (autoFitOption_ & (kAutoFitColumn0 << c)) != 0;
    }
    autoFitDerived_ = true;
}

bool CMapListCtrl::FitsColumn(int column) const {
    if (!autoFitDerived_ || column < 0) {
        return false;
    }
    return fitAll_ || (column < kAutoFitColumns && fitColumn_[column]);
}

int CMapListCtrl::LongestText(int column) const {
    return column >= 0 && column < kAutoFitColumns ? longest_[column] : 0;
}

void CMapListCtrl::FitColumn(int column, const std::string& text) {
    if (!FitsColumn(column) || column >= kAutoFitColumns) {
        return;
    }
    const int length = static_cast<int>(text.size());
    if (length <= longest_[column]) {
        return;
    }
    longest_[column] = length;
    int charWidth = tarnui::GetTextMetrics(ListFont()).averageCharWidth;
    if (charWidth == 0) {
        charWidth = 8;
    }
    // Fitting only ever widens a column.
    if (length * charWidth > GetColumnWidth(column)) {
        SetColumnWidth(column, length * charWidth);
    }
}

// ---- items --------------------------------------------------------------------------------

int CMapListCtrl::InsertItem(int index, std::string text) {
    if (!autoFitDerived_) {
        DeriveAutoFit();
    }
    FitColumn(0, text);
    const int item = ListControl::InsertItem(index, std::move(text));
    if (item >= 0) {
        // Room for a colour per column at once: the row's other cells follow right away.
        std::vector<tarnui::Color>& row = cellColors_[item];
        row.reserve(static_cast<size_t>(std::max(1, GetColumnCount())));
        row.assign(1, tarnui::GetSysColor(tarnui::kColorWindowText));
    }
    return item;
}

bool CMapListCtrl::SetItemText(int item, int column, std::string text) {
    FitColumn(column, text);
    if (!ListControl::SetItemText(item, column, std::move(text))) {
        return false;
    }
    std::vector<tarnui::Color>& row = cellColors_[item];
    if (static_cast<int>(row.size()) <= column) {
        row.resize(column + 1, GetTextColor());
    }
    row[column] = tarnui::GetSysColor(tarnui::kColorWindowText);
    return true;
}

std::string CMapListCtrl::GetItemText(int item, int column) const {
    // A text that fills the buffer may have been cut: read again with twice the room.
    std::vector<char> buffer(kFirstTextBuffer);
    int length =
        ListControl::GetItemText(item, column, buffer.data(), static_cast<int>(buffer.size()));
    while (length >= static_cast<int>(buffer.size()) - 1) {
        buffer.resize(buffer.size() * 2);
        length =
            ListControl::GetItemText(item, column, buffer.data(), static_cast<int>(buffer.size()));
    }
    return std::string(buffer.data(), length);
}

tarnui::Color CMapListCtrl::GetCellColor(int item, int column) const {
    if (item < 0 || item >= static_cast<int>(cellColors_.size()) || column < 0 ||
        column >= static_cast<int>(cellColors_[item].size())) {
        return GetTextColor();
    }
    return cellColors_[item][column];
}

void CMapListCtrl::OnItemInserted(int item) {
    cellColors_.insert(cellColors_.begin() + item, std::vector<tarnui::Color>());
}

void CMapListCtrl::OnItemDeleted(int item) {
    cellColors_.erase(cellColors_.begin() + item);
}

// ---- columns ------------------------------------------------------------------------------

void CMapListCtrl::OnColumnInserted(int column) {
    RememberInsertedColumn(column);
    for (std::vector<tarnui::Color>& row : cellColors_) {
        if (static_cast<int>(row.size()) > column) {
            row.insert(row.begin() + column, GetTextColor());
        }
    }
}

void CMapListCtrl::OnColumnDeleted(int column) {
    ForgetDeletedColumn(column);
    for (std::vector<tarnui::Color>& row : cellColors_) {
        if (static_cast<int>(row.size()) > column) {
            row.erase(row.begin() + column);
        }
    }
}

bool CMapListCtrl::ToggleColumn(int column) {
    if (column < 0 || column >= GetColumnCount()) {
        return false;
    }
    ToggleColumnWidth(column, FallbackWidth(*this, column));
    Invalidate();
    return true;
}

bool CMapListCtrl::OnHeaderRightClick(int /*column*/, tarnui::Point screen) {
    std::vector<ColumnMenuEntry> entries;
    for (int c = 0; c < GetColumnCount(); ++c) {
        entries.push_back({GetColumn(c)->title, IsColumnShown(c), false});
    }
    const int chosen = TrackColumnHeaderMenu(*this, entries, screen);
    if (chosen >= 0) {
        ToggleColumn(chosen);
    }
    return true;
}

void CMapListCtrl::SaveColumnLayout(IBraeProfile* profile, const std::string& section) const {
    SaveColumnLayoutTo(profile, section, *this, true);
}

void CMapListCtrl::RestoreColumnLayout(IBraeProfile* profile, const std::string& section) {
    RestoreColumnLayoutFrom(profile, section, *this, true);
}

// ---- text and printing --------------------------------------------------------------------

int CMapListCtrl::WriteListText(const std::string& path) const {
    return ::WriteListText(*this, path);
}

void CMapListCtrl::PrintList() {
    ::PrintList(*this);
}
