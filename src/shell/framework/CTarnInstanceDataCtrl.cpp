#include "src/shell/framework/CTarnInstanceDataCtrl.h"

#include "platform/help/Help.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/framework/FrameworkMessages.h"

namespace {
// A visible child window.
constexpr uint32_t kViewStyle = tarnui::kWsChild | tarnui::kWsVisible;
}  // namespace

CTarnInstanceDataCtrl::CTarnInstanceDataCtrl(uint32_t flags, IBraeHost* host,
                                             CViewFrameManager* frameManager)
    : flags_(flags),
      host_(host),
      options_(GetHostService<IBraeOptions>(host, kIdOptionsService)),
      profile_(GetHostService<IBraeProfile>(host, kIdProfileService)),
      sourceLookup_(GetHostService<IBraeSourceLookup>(host, kIdSourceLookupService)),
      sourceDisplay_(GetHostService<IBraeSourceDisplay>(host, kIdSourceDisplayService)),
      frameManager_(frameManager) {
    if (frameManager_ != nullptr) {
        companions_ = frameManager_->CreateCompanions(this);
    }
    OnCommand(tarnres::kCmdHostAllowDocking, [this] { OnAllowDocking(); });
    OnUpdateCommand(tarnres::kCmdHostAllowDocking,
                    [this](tarnui::CommandUI& ui) { OnUpdateAllowDocking(ui); });
    OnCommand(tarnres::kCmdHostHideWindow, [this] { OnHideWindow(); });
    OnUpdateCommand(tarnres::kCmdHostHideWindow,
                    [this](tarnui::CommandUI& ui) { OnUpdateHideWindow(ui); });
    OnCommand(tarnres::kCmdDisplayToolbar, [this] { OnDisplayToolbar(); });
    OnUpdateCommand(tarnres::kCmdDisplayToolbar,
                    [this](tarnui::CommandUI& ui) { OnUpdateDisplayToolbar(ui); });
    OnCommand(tarnres::kCmdCustomizeToolbar, [this] { OnCustomizeToolbar(); });
    OnUpdateCommand(tarnres::kCmdCustomizeToolbar,
                    [this](tarnui::CommandUI& ui) { OnUpdateCustomizeToolbar(ui); });
}

CTarnInstanceDataCtrl::~CTarnInstanceDataCtrl() {
    DestroyWindow();
}

uint32_t CTarnInstanceDataCtrl::TestFlags(uint32_t mask) const {
    return flags_ & mask;
}

uint32_t CTarnInstanceDataCtrl::GetFlags() const {
    return flags_;
}

uint32_t CTarnInstanceDataCtrl::SetFlags(uint32_t bits, int on) {
    if (on != 0) {
        flags_ |= bits;
        return bits;
    }
    flags_ &= ~bits;
    return flags_;
}

void CTarnInstanceDataCtrl::ReplaceFlags(uint32_t value) {
    flags_ = value;
}

void CTarnInstanceDataCtrl::BeforeDestroy() {
    if (frameManager_ != nullptr) {
        frameManager_->ForgetWindow(this);
    }
    companions_ = {};
}

void CTarnInstanceDataCtrl::Refresh() {}

int CTarnInstanceDataCtrl::HelpContextId() const {
    return 0;
}

std::string CTarnInstanceDataCtrl::HelpFile(int /*command*/, int /*contextId*/) const {
    return {};
}

bool CTarnInstanceDataCtrl::CreateViewWindow(tarnui::Window* pane, tarnui::Window* messageTarget) {
    if (pane == nullptr) {
        return false;
    }
    ScopedComponentState state;
    if (!Create(pane, pane->GetClientRect(), 0, kViewStyle)) {
        return false;
    }
    messageTarget_ = messageTarget;
    return true;
}

bool CTarnInstanceDataCtrl::OnHelpKey(bool shiftHeld) {
    if (shiftHeld) {
        tarnui::EnterContextHelpMode(this);
        return true;
    }
    const int context = HelpContextId();
    const std::string file = HelpFile(tarnui::kHtmlHelpContext, context);
    if (file.empty()) {
        return false;
    }
    return tarnui::HtmlHelp(this, file, tarnui::kHtmlHelpContext, static_cast<uintptr_t>(context));
}

bool CTarnInstanceDataCtrl::OnKeyDown(const tarnui::KeyEvent& key) {
    if (key.key == tarnui::kKeyF1 && (key.modifiers & ~tarnui::kModShift) == 0) {
        OnHelpKey(key.Shift());
        return true;
    }
    return false;
}

tarnui::Color CTarnInstanceDataCtrl::BackgroundEraseColour() const {
    return tarnui::GetSysColor(tarnui::kColorWindow);
}

void CTarnInstanceDataCtrl::OnSize(int width, int height) {
    if (!Children().empty()) {
        Children().front()->MoveWindow({0, 0, width, height});
    }
}

tarnui::MessageResult CTarnInstanceDataCtrl::OnMessage(tarnui::MessageId msg,
                                                       tarnui::MessageParam w,
                                                       tarnui::MessageParam l) {
    // The person closed or hid the pane: the command sink closes or hides the view. Posted,
    // because closing deletes this view.
    if (msg == kMsgDockingFrameClosing || msg == kMsgDockingFrameHidden) {
        if (messageTarget_ == nullptr) {
            return 0;
        }
        const tarnui::MessageId request =
            msg == kMsgDockingFrameClosing ? kMsgViewClosing : kMsgViewHidden;
        return messageTarget_->PostMessage(request, reinterpret_cast<tarnui::MessageParam>(
                                                        static_cast<tarnui::Window*>(this)))
                   ? 1
                   : 0;
    }
    return tarnui::Window::OnMessage(msg, w, l);
}

void CTarnInstanceDataCtrl::OnAllowDocking() {
    if (frameManager_ != nullptr) {
        frameManager_->RequestFrameState(Frame(), kFrameToggleDocking);
    }
}

void CTarnInstanceDataCtrl::OnUpdateAllowDocking(tarnui::CommandUI& ui) {
    const uint32_t state = frameManager_ != nullptr ? frameManager_->QueryFrameState(Frame()) : 0;
    const bool dockingForbidden =
        (state & kFrameInDocumentArea) != 0 && (state & kFrameDockable) == 0;
    ui.Enable(true);
    ui.SetCheck(!dockingForbidden);
}

void CTarnInstanceDataCtrl::OnHideWindow() {
    if (frameManager_ != nullptr) {
        frameManager_->RequestFrameState(Frame(), kFrameHide);
    }
}

void CTarnInstanceDataCtrl::OnUpdateHideWindow(tarnui::CommandUI& ui) {
    if (frameManager_ == nullptr) {
        ui.Enable(false);
        return;
    }
    frameManager_->UpdateHideCommand(Frame(), ui);
}

void CTarnInstanceDataCtrl::OnDisplayToolbar() {
    if (frameManager_ != nullptr) {
        frameManager_->ShowToolbar(Frame(), !frameManager_->IsToolbarShown(Frame()));
    }
}

void CTarnInstanceDataCtrl::OnUpdateDisplayToolbar(tarnui::CommandUI& ui) {
    const bool hasToolbar = frameManager_ != nullptr && frameManager_->HasFrameToolbar(Frame());
    ui.Enable(hasToolbar);
    ui.SetCheck(hasToolbar && frameManager_->IsToolbarShown(Frame()));
}

void CTarnInstanceDataCtrl::OnCustomizeToolbar() {
    if (frameManager_ != nullptr) {
        frameManager_->CustomizeToolbar(Frame());
    }
}

void CTarnInstanceDataCtrl::OnUpdateCustomizeToolbar(tarnui::CommandUI& ui) {
    ui.Enable(frameManager_ != nullptr && frameManager_->IsToolbarShown(Frame()));
}
