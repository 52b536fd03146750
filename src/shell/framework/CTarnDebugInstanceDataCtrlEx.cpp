#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"

#include "platform/dialogs/DialogIds.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/PrintChooser.h"
#include "src/shell/framework/CUiCommandSink.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"

CTarnDebugInstanceDataCtrlEx::CTarnDebugInstanceDataCtrlEx(IBraeHost* host,
                                                           CViewFrameManager* frameManager,
                                                           CUiCommandSink* sink,
                                                           CTarnMapDataManager* dataManager,
                                                           int kind, uint32_t flags)
    : CTarnDebugInstanceDataCtrl(flags, host, frameManager),
      sink_(sink),
      valueConversion_(GetHostService<IBraeValueConversion>(host, kIdValueConversionService)),
      kind_(kind),
      dataManager_(dataManager),
      textColour_(tarnui::GetSysColor(tarnui::kColorWindowText)),
      backgroundColour_(tarnui::GetSysColor(tarnui::kColorWindow)) {
    OnCommand(tarnres::kCmdAllowDocking, [this] { OnAllowDocking(); });
    OnUpdateCommand(tarnres::kCmdAllowDocking,
                    [this](tarnui::CommandUI& ui) { OnUpdateAllowDocking(ui); });
    OnCommand(tarnres::kCmdHideWindow, [this] { OnHideWindow(); });
    OnUpdateCommand(tarnres::kCmdHideWindow,
                    [this](tarnui::CommandUI& ui) { OnUpdateHideWindow(ui); });
    OnCommand(tarnres::kCmdPrintChooser, [this] { OnPrintChooser(); });
    OnUpdateCommand(tarnres::kCmdPrintChooser,
                    [this](tarnui::CommandUI& ui) { OnUpdatePrintChooser(ui); });
}

void CTarnDebugInstanceDataCtrlEx::CommitOnClose(int /*finish*/) {}

int CTarnDebugInstanceDataCtrlEx::EndEditing(int /*value*/) {
    return 0;
}

bool CTarnDebugInstanceDataCtrlEx::CreateToolbar(int toolbarResource) {
    CViewFrameManager* manager = FrameManager();
    if (manager == nullptr) {
        return false;
    }
    return manager->CreateFrameToolbar(Frame(), this) &&
           manager->LoadFrameToolbar(Frame(), toolbarResource) &&
           manager->RegisterCommandTarget(this);
}

bool CTarnDebugInstanceDataCtrlEx::IsFrameShown() const {
    return sink_ != nullptr && (sink_->ViewFrameState(this) & kFrameShown) != 0;
}

void CTarnDebugInstanceDataCtrlEx::OnPrintChooser() {
    if (sink_ != nullptr) {
        RunPrintChooser(*sink_, this);
    }
}

void CTarnDebugInstanceDataCtrlEx::OnUpdatePrintChooser(tarnui::CommandUI& ui) {
    ui.Enable(sink_ != nullptr && sink_->AnyViewPrintable());
}
