#include "src/editor/CTarnMapSectionSettingTreeInstanceCtrl.h"

#include <array>
#include <utility>

#include "platform/controls/ReportNotifications.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/resources/ResourceContext.h"
#include "src/data/CTarnMapDataManager.h"
#include "src/editor/CDlgAddOverlayGroup.h"
#include "src/editor/CDlgAddSection.h"
#include "src/editor/CDlgAddSectionGroup.h"
#include "src/editor/CheckMessage.h"
#include "src/editor/SectionTreeCommit.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

using namespace tarnres;

namespace {

// Image i of the tree is the node kind i.
constexpr std::array<int, 6> kNodeBitmaps = {kBmpSettingRoot,     kBmpSectionGroup,
                                             kBmpSectionListNode, kBmpSubList,
                                             kBmpSingleSection,   kBmpOverlayMember};

constexpr uint32_t kTreeStyles = tarnui::kTvsHasButtons | tarnui::kTvsHasLines |
                                 tarnui::kTvsLinesAtRoot | tarnui::kTvsEditLabels |
                                 tarnui::kTvsShowSelAlways | tarnui::kTvsClientEdge;

}  // namespace

CTarnMapSectionSettingTreeInstanceCtrl::CTarnMapSectionSettingTreeInstanceCtrl(
    IBraeHost* host, CViewFrameManager* frameManager, CUiCommandSink* sink,
    CTarnMapDataManager* dataManager, int kind)
    : CTarnMapTreeInstanceCtrl(host, frameManager, sink, dataManager, kind),
      nodes_(TreeCtrl(), caps_),
      editor_(nodes_) {
    SetCaption(kSectionSettingTreeCaption);
    RegisterCommands();
}

CTarnMapSectionSettingTreeInstanceCtrl::~CTarnMapSectionSettingTreeInstanceCtrl() {
    CTarnMapDataManager::FreeLinkerSectionRows(working_);
}

bool CTarnMapSectionSettingTreeInstanceCtrl::OnCreate() {
    if (!CTarnDebugInstanceDataCtrl::OnCreate()) {
        return false;
    }
    CMapTreeCtrl& tree = TreeCtrl();
    if (!tree.Create(this, GetClientRect(), kCtlViewTree, kTreeStyles)) {
        return false;
    }
    tree.ShowHeader(false, false);
    InitImages(tree, kNodeBitmaps.data(), static_cast<int>(kNodeBitmaps.size()));
    tree.RestoreColumnLayout(ProfileService(), kSectionSettingTreeLayoutSection);
    return true;
}

void CTarnMapSectionSettingTreeInstanceCtrl::OnDestroy() {
    TreeCtrl().SaveColumnLayout(ProfileService(), kSectionSettingTreeLayoutSection);
    CTarnMapTreeInstanceCtrl::OnDestroy();
}

void CTarnMapSectionSettingTreeInstanceCtrl::RegisterCommands() {
    OnCommand(kCmdSectionEditMode, [this] { OnEditMode(); });
    OnUpdateCommand(kCmdSectionEditMode, [this](tarnui::CommandUI& ui) {
        const bool enabled = !EditingSuspended() && settingState_ == 0 && caps_.editModeAvailable;
        if (EditingSuspended() || settingState_ == 1) {
            editor_.SetEditMode(false);
        }
        ui.Enable(enabled);
        ui.SetCheck(enabled && EditMode());
    });
    OnCommand(kCmdAddSectionGroup, [this] { OnAddSectionGroup(); });
    OnUpdateCommand(kCmdAddSectionGroup, [this](tarnui::CommandUI& ui) { ui.Enable(EditMode()); });
    OnCommand(kCmdAddSection, [this] { OnAddSection(); });
    Enable(kCmdAddSection, &CSectionTreeEditor::CanAddSection);
    OnCommand(kCmdAddOverlayGroup, [this] { OnAddOverlayGroup(); });
    Enable(kCmdAddOverlayGroup, &CSectionTreeEditor::CanAddOverlayGroup);
    OnCommand(kCmdEditSelectedItem, [this] { OnEditSelectedItem(Selected()); });
    Enable(kCmdEditSelectedItem, &CSectionTreeEditor::CanEditItem);
    for (const int id : {kCmdCut, kCmdHostCut}) {
        OnCommand(id, [this] {
            if (editor_.CanCutOrCopy(Selected())) {
                editor_.Cut(Selected());
            }
        });
        Enable(id, &CSectionTreeEditor::CanCutOrCopy);
    }
    for (const int id : {kCmdCopy, kCmdHostCopy}) {
        OnCommand(id, [this] {
            if (editor_.CanCutOrCopy(Selected())) {
                editor_.Copy(Selected());
            }
        });
        Enable(id, &CSectionTreeEditor::CanCutOrCopy);
    }
    for (const int id : {kCmdPaste, kCmdHostPaste}) {
        OnCommand(id, [this] {
            if (editor_.CanPaste(Selected())) {
                editor_.Paste(Selected());
            }
        });
        Enable(id, &CSectionTreeEditor::CanPaste);
    }
    for (const int id : {kCmdDelete, kCmdHostDelete}) {
        OnCommand(id, [this] {
            if (editor_.CanDelete(Selected())) {
                editor_.Delete(Selected());
            }
        });
        Enable(id, &CSectionTreeEditor::CanDelete);
    }
    OnCommand(kCmdMoveUp, [this] { editor_.MoveUp(Selected()); });
    Enable(kCmdMoveUp, &CSectionTreeEditor::CanMoveUp);
    OnCommand(kCmdMoveDown, [this] { editor_.MoveDown(Selected()); });
    Enable(kCmdMoveDown, &CSectionTreeEditor::CanMoveDown);
    OnCommand(kCmdChangePrimarySection, [this] { editor_.ChangePrimary(Selected()); });
    Enable(kCmdChangePrimarySection, &CSectionTreeEditor::CanChangePrimary);

    OnCommand(kCmdMemoryMapSetting, [this] { OnMemoryMapSetting(); });
    OnUpdateCommand(kCmdMemoryMapSetting, [this](tarnui::CommandUI& ui) {
        ui.Enable(GetHostService<IBraeMemoryMapSetting>(Host(), kIdMemoryMapService) != nullptr);
    });
    OnCommand(kCmdMemoryResourceAutoAllocate, [this] { OnAutoAllocate(); });
    OnUpdateCommand(kCmdMemoryResourceAutoAllocate, [this](tarnui::CommandUI& ui) {
        CTarnMapDataManager* data = DataManager();
        ui.Enable(data != nullptr && data->GetMemoryAreaCount() > 0 && data->GetSectionCount() > 0);
    });
    for (const int id : {kCmdPrintSectionSettingTree, kCmdHostPrint}) {
        OnCommand(id, [this] { PrintView(); });
        OnUpdateCommand(id, [this](tarnui::CommandUI& ui) { ui.Enable(HasPrintData()); });
    }
    // The section list's own commands, as the paired list decides.
    for (const int id : {kCmdShowUnallocatedArea, kCmdShowNoSizeSection, kCmdViewSource}) {
        OnCommand(id, [this, id] {
            if (pairedList_ != nullptr && pairedList_->QueryCommand(id).enabled) {
                pairedList_->HandleCommand(id);
            }
        });
        OnUpdateCommand(id, [this, id](tarnui::CommandUI& ui) {
            if (pairedList_ != nullptr) {
                const tarnui::CommandUI paired = pairedList_->QueryCommand(id);
                ui.Enable(paired.enabled);
                ui.SetCheck(paired.checked);
            }
        });
    }

    OnNotification(kCtlViewTree, tarnui::kNotifyDoubleClicked,
                   [this](const tarnui::Notification& n) {
                       if (EditMode()) {
                           OnEditSelectedItem(static_cast<TreeItem>(n.payload));
                       }
                   });
    OnNotification(kCtlViewTree, tarnui::kNotifyBeginDrag, [this](const tarnui::Notification& n) {
        BeginDrag(static_cast<TreeItem>(n.payload));
    });
    OnNotification(kCtlViewTree, tarnui::kNotifyDragOver, [this](const tarnui::Notification& n) {
        DragOver(static_cast<TreeItem>(n.payload));
    });
    OnNotification(kCtlViewTree, tarnui::kNotifyDrop, [this](const tarnui::Notification& n) {
        EndDrag(static_cast<TreeItem>(n.payload));
    });
    OnNotification(kCtlViewTree, tarnui::kNotifyDragCancel,
                   [this](const tarnui::Notification&) { EndDrag(0); });
}

void CTarnMapSectionSettingTreeInstanceCtrl::Enable(int id,
                                                    bool (CSectionTreeEditor::*rule)(TreeItem)
                                                        const) {
    OnUpdateCommand(
        id, [this, rule](tarnui::CommandUI& ui) { ui.Enable((editor_.*rule)(Selected())); });
}

bool CTarnMapSectionSettingTreeInstanceCtrl::HandleCommand(int id) {
    const ScopedComponentState resources;
    return CTarnMapTreeInstanceCtrl::HandleCommand(id);
}

bool CTarnMapSectionSettingTreeInstanceCtrl::HandleNotification(const tarnui::Notification& n) {
    const ScopedComponentState resources;
    return CTarnMapTreeInstanceCtrl::HandleNotification(n);
}

bool CTarnMapSectionSettingTreeInstanceCtrl::EditingSuspended() const {
    const auto* sink = dynamic_cast<const CTarnMapDataCommandSink*>(CommandSink());
    return sink != nullptr && sink->HostLock();
}

// --- the model ----------------------------------------------------------------------------------

void CTarnMapSectionSettingTreeInstanceCtrl::Refresh() {
    const ScopedComponentState resources;
    if (!IsFrameShown() || DataManager() == nullptr) {
        return;
    }
    DataManager()->GetLinkerSections(working_);
    nodes_.Rebuild(working_, tarnui::LoadString(kStrLinkerSectionSetting));
    CTarnMapDataManager::FreeLinkerSectionRows(working_);
    editor_.SetModified(false);
}

bool CTarnMapSectionSettingTreeInstanceCtrl::HasData() const {
    return TreeCtrl().GetChildItem(TreeCtrl().GetRootItem()) != 0;
}

void CTarnMapSectionSettingTreeInstanceCtrl::SetCapabilities(uint32_t word) {
    caps_ = SectionCapabilities::FromWord(word);
}

void CTarnMapSectionSettingTreeInstanceCtrl::QuerySettingState() {
    int32_t state = 0;
    if (DataManager() != nullptr && DataManager()->GetSettingState(&state) != 0) {
        settingState_ = state;
    }
}

bool CTarnMapSectionSettingTreeInstanceCtrl::Commit() {
    const int error = CollectSectionEntries(nodes_, ValueConversion(), working_);
    if (error != 0) {
        ShowCheckMessage(error);
        return false;
    }
    editor_.SetModified(false);
    if (DataManager() != nullptr) {
        DataManager()->SetLinkerSections(std::move(working_));
    }
    CTarnMapDataManager::FreeLinkerSectionRows(working_);
    return true;
}

void CTarnMapSectionSettingTreeInstanceCtrl::OnEditMode() {
    if (!QueryCommand(kCmdSectionEditMode).enabled) {
        return;
    }
    if (!EditMode()) {
        editor_.SetEditMode(true);
        return;
    }
    if (!Modified()) {
        editor_.SetEditMode(false);
        return;
    }
    const int answer = tarnui::MessageBoxFromString(
        kStrAskSetEditedSections, tarnui::kMbYesNoCancel | tarnui::kMbIconQuestion);
    if (answer == tarnui::IDYES) {
        if (const int error = ValidateSectionTree(nodes_, ValueConversion())) {
            ShowCheckMessage(error);
            return;
        }
        if (Commit()) {
            editor_.SetEditMode(false);
        }
    } else if (answer == tarnui::IDNO) {
        editor_.SetModified(false);
        editor_.SetEditMode(false);
        Refresh();
    }
}

void CTarnMapSectionSettingTreeInstanceCtrl::CommitOnClose(int /*finish*/) {
    const ScopedComponentState resources;
    // While the host builds nothing is set: a hidden tree keeps its edits for later, and a
    // closing one has had them discarded by ConfirmCloseWhileLocked.
    if (!EditMode() || !Modified() || EditingSuspended()) {
        return;
    }
    if (tarnui::MessageBoxFromString(kStrAskSetEditedSections,
                                     tarnui::kMbYesNo | tarnui::kMbIconQuestion) == tarnui::IDYES) {
        Commit();
    }
    editor_.SetModified(false);
}

int CTarnMapSectionSettingTreeInstanceCtrl::EndEditing(int /*value*/) {
    const ScopedComponentState resources;
    if (!EditMode() || !Modified()) {
        return 0;
    }
    const int answer = tarnui::MessageBoxFromString(kStrAskSetEditedSections,
                                                    tarnui::kMbYesNo | tarnui::kMbIconQuestion);
    const bool committed = answer == tarnui::IDYES && Commit();
    editor_.SetEditMode(false);
    if (committed) {
        return 0;
    }
    editor_.SetModified(false);
    Refresh();
    return 1;
}

bool CTarnMapSectionSettingTreeInstanceCtrl::AcceptReload() {
    const ScopedComponentState resources;
    if (!EditMode() || !Modified()) {
        return true;
    }
    if (tarnui::MessageBoxFromString(kStrAskDropEditsForReload,
                                     tarnui::kMbYesNo | tarnui::kMbIconQuestion) != tarnui::IDYES) {
        return false;
    }
    editor_.SetModified(false);
    return true;
}

bool CTarnMapSectionSettingTreeInstanceCtrl::DropForSubcommandFile() {
    const ScopedComponentState resources;
    if (Modified()) {
        tarnui::MessageBoxFromString(kStrEditsDroppedForSubcommandFile,
                                     tarnui::kMbOk | tarnui::kMbIconInformation);
        editor_.SetModified(false);
    }
    return true;
}

bool CTarnMapSectionSettingTreeInstanceCtrl::ConfirmCloseWhileLocked() {
    const ScopedComponentState resources;
    if (!Modified() || !EditingSuspended()) {
        return true;
    }
    if (tarnui::MessageBoxFromString(kStrAskCloseWhileLocked,
                                     tarnui::kMbOkCancel | tarnui::kMbIconExclamation) !=
        tarnui::IDOK) {
        return false;
    }
    // OK discards the edits: closing must not then offer to set them while the build runs.
    editor_.SetModified(false);
    return true;
}

// --- dialogs ----------------------------------------------------------------------------------

void CTarnMapSectionSettingTreeInstanceCtrl::OnAddSectionGroup() {
    if (!EditMode()) {
        return;
    }
    CDlgAddSectionGroup dialog(&TreeCtrl(), caps_.rangeAllowed, caps_.severalAllowed,
                               caps_.overlayAllowed, caps_.partialAllowed, ValueConversion(), this);
    if (dialog.DoModal() == tarnui::IDOK) {
        editor_.AddSectionGroup(dialog.address, dialog.sections);
    }
}

void CTarnMapSectionSettingTreeInstanceCtrl::OnAddSection() {
    const TreeItem selected = Selected();
    if (!editor_.CanAddSection(selected)) {
        return;
    }
    CDlgAddSection dialog(editor_.ColonAllowedForAdd(selected), kSectionDialogAdd,
                          caps_.overlayAllowed, caps_.partialAllowed, this);
    if (dialog.DoModal() == tarnui::IDOK) {
        editor_.AddSection(selected, dialog.section);
    }
}

void CTarnMapSectionSettingTreeInstanceCtrl::OnAddOverlayGroup() {
    const TreeItem selected = Selected();
    if (!editor_.CanAddOverlayGroup(selected)) {
        return;
    }
    CDlgAddOverlayGroup dialog(&TreeCtrl(), selected, caps_.overlayAllowed, caps_.partialAllowed,
                               this);
    if (dialog.DoModal() == tarnui::IDOK) {
        editor_.AddOverlayGroup(selected, dialog.selection, dialog.firstIndex, dialog.count,
                                dialog.overlayGroup, false);
    }
}

void CTarnMapSectionSettingTreeInstanceCtrl::OnEditSelectedItem(TreeItem item) {
    if (!editor_.CanEditItem(item)) {
        return;
    }
    const int kind = nodes_.Kind(item);
    if (kind == kNodeGroup || kind == kNodeSectionList) {
        const TreeItem group = kind == kNodeGroup ? item : nodes_.Parent(item);
        CDlgAddSectionGroup dialog(&TreeCtrl(), caps_.rangeAllowed, caps_.severalAllowed,
                                   caps_.overlayAllowed, caps_.partialAllowed, ValueConversion(),
                                   this);
        dialog.SetMode(kind == kNodeGroup ? kGroupDialogEditAddress : kGroupDialogEditSections,
                       group);
        dialog.address = nodes_.Text(group);
        dialog.sections = nodes_.Text(nodes_.FirstChild(group));
        if (dialog.DoModal() == tarnui::IDOK) {
            editor_.ApplyEditedItem(item, kind == kNodeGroup ? dialog.address : dialog.sections);
        }
        return;
    }
    CDlgAddSection dialog(editor_.ColonAllowedForEdit(item), kSectionDialogEdit,
                          caps_.overlayAllowed, caps_.partialAllowed, this);
    dialog.section = nodes_.Text(item);
    if (dialog.DoModal() == tarnui::IDOK) {
        editor_.ApplyEditedItem(item, dialog.section);
    }
}

void CTarnMapSectionSettingTreeInstanceCtrl::OnMemoryMapSetting() {
    if (auto* service = GetHostService<IBraeMemoryMapSetting>(Host(), kIdMemoryMapService)) {
        service->ShowMemoryMapSetting();
    }
}

void CTarnMapSectionSettingTreeInstanceCtrl::OnAutoAllocate() {
    if (!QueryCommand(kCmdMemoryResourceAutoAllocate).enabled) {
        return;
    }
    if (tarnui::MessageBoxFromString(kStrAskAllocateMemoryResource,
                                     tarnui::kMbOkCancel | tarnui::kMbIconQuestion) !=
        tarnui::IDOK) {
        return;
    }
    DataManager()->AutoAllocate();
    tarnui::MessageBoxFromString(kStrAllocationCompleted,
                                 tarnui::kMbOk | tarnui::kMbIconInformation);
}

// --- keys and dragging ------------------------------------------------------------------------

bool CTarnMapSectionSettingTreeInstanceCtrl::OnKeyDown(const tarnui::KeyEvent& key) {
    return OnEditKey(key) || CTarnMapTreeInstanceCtrl::OnKeyDown(key);
}

bool CTarnMapSectionSettingTreeInstanceCtrl::OnEditKey(const tarnui::KeyEvent& key) {
    using tarnui::kModControl;
    struct KeyCommand {
        uint32_t key;
        unsigned modifiers;
        int command;
    };
    static constexpr KeyCommand kKeys[] = {
        {tarnui::kKeyDelete, 0, kCmdDelete},
        {'X', kModControl, kCmdCut},
        {'C', kModControl, kCmdCopy},
        {'V', kModControl, kCmdPaste},
        {tarnui::kKeyF2, 0, kCmdEditSelectedItem},
        {tarnui::kKeyReturn, 0, kCmdEditSelectedItem},
        {tarnui::kKeyUp, kModControl, kCmdMoveUp},
        {tarnui::kKeyDown, kModControl, kCmdMoveDown},
    };
    if (!EditMode()) {
        return false;
    }
    for (const KeyCommand& entry : kKeys) {
        if (key.Is(entry.key, entry.modifiers)) {
            if (QueryCommand(entry.command).enabled) {
                ExecuteCommand(entry.command);
            }
            return true;
        }
    }
    return false;
}

bool CTarnMapSectionSettingTreeInstanceCtrl::BeginDrag(TreeItem item) {
    if (dragging_ || !editor_.CanBeginDrag(item)) {
        return false;
    }
    editor_.BeginDrag(item);
    dragging_ = true;
    draggedItem_ = item;
    dragImage_ = TreeCtrl().CreateDragImage(item);
    savedCursor_ = tarnui::GetCursor();
    return true;
}

bool CTarnMapSectionSettingTreeInstanceCtrl::DragOver(TreeItem target) {
    if (!dragging_) {
        return false;
    }
    TreeCtrl().SelectDropTarget(target);
    const bool acceptable = editor_.IsDropAcceptable(draggedItem_, target);
    tarnui::SetCursor(acceptable ? savedCursor_ : tarnui::LoadCursorResource(kCursorNoDrop));
    return acceptable;
}

bool CTarnMapSectionSettingTreeInstanceCtrl::EndDrag(TreeItem target) {
    if (!dragging_) {
        return false;
    }
    const TreeItem dragged = draggedItem_;
    dragging_ = false;
    draggedItem_ = 0;
    dragImage_.reset();
    tarnui::SetCursor(savedCursor_);
    TreeCtrl().SelectDropTarget(0);
    return target != 0 && editor_.Drop(dragged, target);
}
