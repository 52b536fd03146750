#include "src/views/CTarnMapSectionListInstanceCtrl.h"

#include <array>
#include <string>
#include <vector>

#include "src/data/CTarnMapDataManager.h"
#include "src/resources/ResourceIds.h"
#include "src/views/SectionRowFilter.h"

namespace {
constexpr std::array<int, 5> kSectionColumnTitles = {
    tarnres::kStrColumnName, tarnres::kStrColumnStartAddress, tarnres::kStrColumnEndAddress,
    tarnres::kStrColumnSize, tarnres::kStrColumnOverlay};
}  // namespace

CTarnMapSectionListInstanceCtrl::CTarnMapSectionListInstanceCtrl(IBraeHost* host,
                                                                 CViewFrameManager* frameManager,
                                                                 CUiCommandSink* sink,
                                                                 CTarnMapDataManager* dataManager,
                                                                 int kind)
    : CTarnMapListInstanceCtrl(host, frameManager, sink, dataManager, kind,
                               kSectionListLayoutSection) {
    SetCaption(kSectionListCaption);
    SetSort(1, 0);  // Start Address, ascending
    CTarnMapDataManager::FreeSectionRows(rows_);

    OnCommand(tarnres::kCmdShowUnallocatedArea, [this] { OnShowUnallocatedArea(); });
    OnUpdateCommand(tarnres::kCmdShowUnallocatedArea,
                    [this](tarnui::CommandUI& ui) { UpdateShowCommand(ui, showUnallocated_); });
    OnCommand(tarnres::kCmdShowNoSizeSection, [this] { OnShowNoSizeSection(); });
    OnUpdateCommand(tarnres::kCmdShowNoSizeSection,
                    [this](tarnui::CommandUI& ui) { UpdateShowCommand(ui, showZeroSize_); });
    MapPrintCommand(tarnres::kCmdPrintSectionList);
}

CTarnMapSectionListInstanceCtrl::~CTarnMapSectionListInstanceCtrl() {
    CTarnMapDataManager::FreeSectionRows(rows_);
}

bool CTarnMapSectionListInstanceCtrl::OnCreate() {
    return CreateListView(tarnres::kToolbarSectionList, kSectionColumnTitles);
}

void CTarnMapSectionListInstanceCtrl::Refresh() {
    if (!FrameShown() || DataManager() == nullptr) {
        return;
    }
    CTarnMapDataManager& data = *DataManager();
    List().DeleteAllItems();
    if (HasSort()) {
        data.Sort(kWindowTypeSectionList, SortColumn(), SortDirection());
    }
    CTarnMapDataManager::FreeSectionRows(rows_);
    rowCount_ = data.GetSectionCount();
    data.GetSections(0, rowCount_, rows_);
    FilterSectionRows(rows_,
                      {.showUnallocatedAreas = showUnallocated_, .showZeroSize = showZeroSize_});
    rowCount_ = static_cast<int>(rows_.size());
    FillList();
}

void CTarnMapSectionListInstanceCtrl::FillList() {
    CMapListCtrl& list = List();
    list.BeginFill(rowCount_);
    for (int i = 0; i < rowCount_; ++i) {
        const tagLinkMapSectionInfo& row = *rows_[static_cast<size_t>(i)];
        std::vector<std::string> texts;
        texts.reserve(kSectionColumnTitles.size());
        texts.push_back(row.name);
        texts.push_back(FormatAddress(row.startAddress));
        texts.push_back(FormatEnd(row.startAddress, row.size));
        texts.push_back(FormatSize(row.size));
        texts.push_back(row.overlay);
        list.AppendItem(std::move(texts));
    }
    list.EndFill();
}

void CTarnMapSectionListInstanceCtrl::OnShowUnallocatedArea() {
    showUnallocated_ = !showUnallocated_;
    Refresh();
}

void CTarnMapSectionListInstanceCtrl::OnShowNoSizeSection() {
    showZeroSize_ = !showZeroSize_;
    Refresh();
}

void CTarnMapSectionListInstanceCtrl::UpdateShowCommand(tarnui::CommandUI& ui, bool flag) const {
    const bool hasSections = DataManager() != nullptr && DataManager()->GetSectionCount() > 0;
    ui.Enable(hasSections);
    ui.SetCheck(hasSections && flag);
}
