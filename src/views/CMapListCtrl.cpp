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
        cellColors_[CellIndex(item, 0)] = tarnui::GetSysColor(tarnui::kColorWindowText);
    }
    return item;
}

bool CMapListCtrl::SetItemText(int item, int column, std::string text) {
    FitColumn(column, text);
    if (!ListControl::SetItemText(item, column, std::move(text))) {
        return false;
    }
    if (column < CellStride()) {
        cellColors_[CellIndex(item, column)] = tarnui::GetSysColor(tarnui::kColorWindowText);
    }
    return true;
}

int CMapListCtrl::AppendItem(std::vector<std::string> texts) {
    if (!autoFitDerived_) {
        DeriveAutoFit();
    }
    for (size_t c = 0; c < texts.size(); ++c) {
        FitColumn(static_cast<int>(c), texts[c]);
    }
    const size_t given = texts.size();
    const int item = ListControl::AppendItem(std::move(texts));
    const size_t shown = std::min(given, static_cast<size_t>(CellStride()));
    const tarnui::Color colour = tarnui::GetSysColor(tarnui::kColorWindowText);
    std::fill_n(cellColors_.begin() + static_cast<std::ptrdiff_t>(CellIndex(item, 0)), shown,
                colour);
    return item;
}

void CMapListCtrl::BeginFill(int count) {
    ListControl::BeginFill(count);
    cellColors_.reserve(cellColors_.size() + static_cast<size_t>(std::max(0, count)) *
                                                 static_cast<size_t>(CellStride()));
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
    if (item < 0 || item >= GetItemCount() || column < 0 || column >= CellStride() ||
        cellColors_[CellIndex(item, column)] == kNoCellColour) {
        return GetTextColor();
    }
    return cellColors_[CellIndex(item, column)];
}

int CMapListCtrl::CellStride() const {
    return std::max(1, GetColumnCount());
}

void CMapListCtrl::OnItemInserted(int item) {
    cellColors_.insert(cellColors_.begin() + CellIndex(item, 0), static_cast<size_t>(CellStride()),
                       kNoCellColour);
}

void CMapListCtrl::OnItemDeleted(int item) {
    const auto first = cellColors_.begin() + CellIndex(item, 0);
    cellColors_.erase(first, first + CellStride());
}

void CMapListCtrl::ChangeCellStride(int oldStride, int column, bool inserted) {
    const int newStride = CellStride();
    std::vector<tarnui::Color> colours(static_cast<size_t>(GetItemCount() * newStride),
                                       kNoCellColour);
    for (int item = 0; item < GetItemCount(); ++item) {
        for (int c = 0; c < oldStride; ++c) {
            // The cells after the column move one place right (inserted) or left (deleted).
            const int to = inserted ? (c >= column ? c + 1 : c) : (c > column ? c - 1 : c);
            if ((inserted || c != column) && to < newStride) {
                colours[static_cast<size_t>(item * newStride + to)] =
                    cellColors_[static_cast<size_t>(item * oldStride + c)];
            }
        }
    }
    cellColors_.swap(colours);
}

// ---- columns ------------------------------------------------------------------------------

void CMapListCtrl::OnColumnInserted(int column) {
    RememberInsertedColumn(column);
    ChangeCellStride(std::max(1, GetColumnCount() - 1), column, true);
}

void CMapListCtrl::OnColumnDeleted(int column) {
    ForgetDeletedColumn(column);
    ChangeCellStride(GetColumnCount() + 1, column, false);
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
