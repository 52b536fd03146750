#include "src/shell/framework/CUiCommandSink.h"

#include <algorithm>

#include "platform/controls/ItemList.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/FrameworkMessages.h"

CUiCommandSink::CUiCommandSink(IBraeHost* host, CViewFrameManager* frameManager)
    : host_(host),
      options_(GetHostService<IBraeOptions>(host, kIdOptionsService)),
      workspaceData_(GetHostService<IBraeWorkspaceData>(host, kIdWorkspaceDataService)),
      projectInfo_(GetHostService<IBraeProjectInfo>(host, kIdProjectInformationService)),
      workspaceSave_(GetHostService<IUnknown>(host, kIdWorkspaceSaveService)),
      profile_(GetHostService<IBraeProfile>(host, kIdProfileService)),
      memoryMap_(GetHostService<IBraeMemoryMapSetting>(host, kIdMemoryMapService)),
      frameManager_(frameManager) {
    if (frameManager_ != nullptr) {
        companions_ = frameManager_->CreateCompanions(this);
    }
}

CUiCommandSink::~CUiCommandSink() {
    CloseAllViews();
    DestroyWindow();
}

void CUiCommandSink::Dispose(CTarnDebugInstanceDataCtrlEx& view) {
    view.BeforeDestroy();
    if (frameManager_ != nullptr) {
        frameManager_->Detach(&view);
    }
}

void CUiCommandSink::CloseAllViews() {
    printCandidates_.clear();
    // Taken out first, so that nothing a closing view does can reach a half-emptied list.
    ViewList closing = std::move(views_);
    views_.clear();
    for (auto& view : closing) {
        Dispose(*view);
        view.reset();
    }
}

void CUiCommandSink::RefreshAllViews() {
    for (const auto& view : views_) {
        view->Refresh();
    }
}

CUiCommandSink::ViewList::iterator CUiCommandSink::Find(const tarnui::Window* viewWindow) {
    return std::find_if(views_.begin(), views_.end(), [viewWindow](const auto& view) {
        return static_cast<const tarnui::Window*>(view.get()) == viewWindow;
    });
}

CTarnDebugInstanceDataCtrlEx* CUiCommandSink::FindView(const tarnui::Window* viewWindow) const {
    for (const auto& view : views_) {
        if (static_cast<const tarnui::Window*>(view.get()) == viewWindow) {
            return view.get();
        }
    }
    return nullptr;
}

int CUiCommandSink::ViewClosing(tarnui::Window* viewWindow) {
    const auto found = Find(viewWindow);
    if (found == views_.end()) {
        return 0;
    }
    std::unique_ptr<CTarnDebugInstanceDataCtrlEx> view = std::move(*found);
    views_.erase(found);
    std::erase(printCandidates_, view.get());
    Dispose(*view);
    return 1;
}

int CUiCommandSink::ViewHidden(tarnui::Window* viewWindow) {
    CTarnDebugInstanceDataCtrlEx* view = FindView(viewWindow);
    if (view == nullptr) {
        return 0;
    }
    if (frameManager_ != nullptr) {
        frameManager_->RequestFrameState(view->Frame(), kFrameHide);
    }
    return 1;
}

int CUiCommandSink::CountPrintableViews() {
    printCandidates_.clear();
    for (const auto& view : views_) {
        if (view->HasPrintData()) {
            printCandidates_.push_back(view.get());
        }
    }
    return static_cast<int>(printCandidates_.size());
}

std::string CUiCommandSink::PrintCandidateCaption(int index) const {
    if (index < 0 || index >= static_cast<int>(printCandidates_.size())) {
        return {};
    }
    return printCandidates_[static_cast<size_t>(index)]->Caption();
}

int CUiCommandSink::PrintViewsByCaption(const std::string& caption) {
    // Printing may reach back into the sink; walk a copy of the list.
    std::vector<CTarnDebugInstanceDataCtrlEx*> matching;
    for (const auto& view : views_) {
        if (tarnui::EqualsIgnoreCase(view->Caption(), caption)) {
            matching.push_back(view.get());
        }
    }
    for (CTarnDebugInstanceDataCtrlEx* view : matching) {
        view->PrintView();
    }
    return static_cast<int>(matching.size());
}

bool CUiCommandSink::AnyViewPrintable() const {
    return std::any_of(views_.begin(), views_.end(),
                       [](const auto& view) { return view->HasPrintData(); });
}

uint32_t CUiCommandSink::ViewFrameState(const tarnui::Window* viewWindow) const {
    if (frameManager_ == nullptr || viewWindow == nullptr) {
        return 0;
    }
    return frameManager_->QueryFrameState(viewWindow->GetParent());
}

CTarnDebugInstanceDataCtrlEx* CUiCommandSink::AddView(
    std::unique_ptr<CTarnDebugInstanceDataCtrlEx> view) {
    if (view == nullptr) {
        return nullptr;
    }
    views_.push_back(std::move(view));
    return views_.back().get();
}

tarnui::MessageResult CUiCommandSink::OnMessage(tarnui::MessageId msg, tarnui::MessageParam w,
                                                tarnui::MessageParam l) {
    auto* viewWindow = reinterpret_cast<tarnui::Window*>(w);
    switch (msg) {
        case kMsgViewClosing:
            return ViewClosing(viewWindow);
        case kMsgViewHidden:
            return ViewHidden(viewWindow);
        case kMsgRefreshView:
            if (CTarnDebugInstanceDataCtrlEx* view = FindView(viewWindow)) {
                view->Refresh();
                return 1;
            }
            return 0;
        default:
            return tarnui::Window::OnMessage(msg, w, l);
    }
}

void CUiCommandSink::OnDestroy() {
    if (frameManager_ != nullptr) {
        frameManager_->ForgetWindow(this);
    }
    companions_ = {};
}
