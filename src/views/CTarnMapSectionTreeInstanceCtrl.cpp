#include "src/views/CTarnMapSectionTreeInstanceCtrl.h"

#include "platform/controls/ReportNotifications.h"
#include "platform/resources/ResourceContext.h"
#include "src/data/CTarnMapDataManager.h"
#include "src/data/LinkMapText.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CUiCommandSink.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"
#include "src/views/ViewValueTexts.h"

namespace {
constexpr int kRootImage = 0;
constexpr int kSectionImage = 1;
constexpr int kTreeImages[] = {tarnres::kBmpLinkMapList, tarnres::kBmpSection};
// The commands the tree hands to its symbol list.
constexpr int kForwardedCommands[] = {tarnres::kCmdFind, tarnres::kCmdFindNext, tarnres::kCmdFilter,
                                      tarnres::kCmdViewSource};
}  // namespace

CTarnMapSectionTreeInstanceCtrl::CTarnMapSectionTreeInstanceCtrl(
    IBraeHost* host, CViewFrameManager* frameManager, CUiCommandSink* sink,
    CTarnMapDataManager* dataManager, int kind, CTarnMapSymbolListInstanceCtrl* companion)
    : CTarnMapTreeInstanceCtrl(host, frameManager, sink, dataManager, kind), companion_(companion) {
    SetCaption(kSectionTreeCaption);
    CTarnMapDataManager::FreeSectionRows(rows_);
    for (const int command : {tarnres::kCmdPrintSectionTree, tarnres::kCmdHostPrint}) {
        OnCommand(command, [this] { PrintView(); });
        OnUpdateCommand(command, [this](tarnui::CommandUI& ui) { ui.Enable(HasPrintData()); });
    }
    for (const int command : kForwardedCommands) {
        OnCommand(command, [this, command] { ForwardToCompanion(command); });
        OnUpdateCommand(command, [this](tarnui::CommandUI& ui) { UpdateFromCompanion(ui); });
    }
    OnNotification(kSectionTreeControlId, tarnui::kNotifyTreeSelChanged,
                   [this](const tarnui::Notification&) { OnSelectionChanged(); });
}

CTarnMapSectionTreeInstanceCtrl::~CTarnMapSectionTreeInstanceCtrl() {
    // The layout is saved while the tree still belongs to this class.
    DestroyWindow();
    CTarnMapDataManager::FreeSectionRows(rows_);
}

bool CTarnMapSectionTreeInstanceCtrl::OnCreate() {
    if (!CTarnDebugInstanceDataCtrl::OnCreate()) {
        return false;
    }
    CreateToolbar(tarnres::kToolbarSectionTree);
    CMapTreeCtrl& tree = TreeCtrl();
    if (!tree.Create(this, GetClientRect(), kSectionTreeControlId,
                     tarnui::kTvsHasButtons | tarnui::kTvsHasLines | tarnui::kTvsLinesAtRoot |
                         tarnui::kTvsShowSelAlways | tarnui::kTvsClientEdge)) {
        return false;
    }
    tree.ShowHeader(false, false);
    InitImages(tree, kTreeImages, static_cast<int>(std::size(kTreeImages)));
    tree.RestoreColumnLayout(ProfileService(), kSectionTreeClass);
    return true;
}

void CTarnMapSectionTreeInstanceCtrl::OnDestroy() {
    TreeCtrl().SaveColumnLayout(ProfileService(), kSectionTreeClass);
    CTarnMapTreeInstanceCtrl::OnDestroy();
}

CTarnMapSymbolListInstanceCtrl* CTarnMapSectionTreeInstanceCtrl::Companion() const {
    const CUiCommandSink* sink = CommandSink();
    if (companion_ == nullptr || sink == nullptr) {
        return companion_;
    }
    for (const auto& view : sink->Views()) {
        if (view.get() == companion_) {
            return companion_;
        }
    }
    return nullptr;
}

bool CTarnMapSectionTreeInstanceCtrl::HasPrintData() {
    return rowCount_ > 0;
}

std::string CTarnMapSectionTreeInstanceCtrl::ItemText(const tagLinkMapSectionInfo& row) const {
    const std::string start = FormatViewAddress(ValueConversion(), row.startAddress);
    const std::string end =
        row.size == 0 ? start
                      : FormatViewAddress(ValueConversion(), row.startAddress + row.size - 1);
    return "[" + start + " - " + end + "] : " + row.name;
}

// The tree lists the sections in the model's current order: the last sort of a section list
// decides it, the tree never sorts.
void CTarnMapSectionTreeInstanceCtrl::Refresh() {
    if (!IsFrameShown() || DataManager() == nullptr) {
        return;
    }
    CMapTreeCtrl& tree = TreeCtrl();
    if (firstBuild_) {
        const ScopedComponentState resources;
        tree.InsertItem(tarnui::LoadString(tarnres::kStrLinkMapList), kRootImage, kRootImage,
                        tarnui::kTreeRoot, tarnui::kTreeLast);
    }
    const tarnui::TreeItem root = tree.GetRootItem();
    while (const tarnui::TreeItem child = tree.GetChildItem(root)) {
        tree.DeleteItem(child);
    }
    CTarnMapDataManager::FreeSectionRows(rows_);
    rowCount_ = DataManager()->GetSectionCount();
    DataManager()->GetSections(0, rowCount_, rows_);
    for (const auto& row : rows_) {
        if (linkmap::EqualsIgnoreCase(row->name, kUnallocatedAreaName)) {
            continue;
        }
        tree.InsertItem(ItemText(*row), kSectionImage, kSectionImage, root, tarnui::kTreeLast);
    }
    if (firstBuild_) {
        tree.Expand(root, tarnui::TreeExpand::Expand);
        firstBuild_ = false;
    } else {
        // Through the selection change, the companion shows all symbols again.
        tree.SelectItem(root);
    }
    tree.SelectSetFirstVisible(root);
}

// The section name is what follows the first ':' of the item text and the blank after it.
void CTarnMapSectionTreeInstanceCtrl::OnSelectionChanged() {
    const CMapTreeCtrl& tree = TreeCtrl();
    std::string section;
    const tarnui::TreeItem selected = tree.GetSelectedItem();
    if (selected != 0 && selected != tree.GetRootItem()) {
        const std::string text = tree.GetItemText(selected);
        const size_t colon = text.find(':');
        if (colon != std::string::npos && colon + 2 <= text.size()) {
            section = text.substr(colon + 2);
        }
    }
    CTarnMapSymbolListInstanceCtrl* companion = Companion();
    if (companion == nullptr) {
        return;
    }
    companion->SetSection(section);
    companion->Refresh();
}

void CTarnMapSectionTreeInstanceCtrl::ForwardToCompanion(int command) {
    if (CTarnMapSymbolListInstanceCtrl* companion = Companion()) {
        companion->HandleCommand(command);
    }
}

void CTarnMapSectionTreeInstanceCtrl::UpdateFromCompanion(tarnui::CommandUI& ui) {
    CTarnMapSymbolListInstanceCtrl* companion = Companion();
    if (companion == nullptr || !companion->HandleUpdateCommand(ui)) {
        ui.Enable(false);
    }
}
