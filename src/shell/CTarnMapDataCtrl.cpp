#include "src/shell/CTarnMapDataCtrl.h"

#include <algorithm>
#include <iterator>

#include "src/shell/HostIds.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

namespace {
bool IsMemoryResourceEvent(const TarnId& event) {
    return std::find(std::begin(kMemoryResourceEvents), std::end(kMemoryResourceEvents), event) !=
           std::end(kMemoryResourceEvents);
}
}  // namespace

CTarnMapDataCtrl::CTarnMapDataCtrl() = default;

CTarnMapDataCtrl::~CTarnMapDataCtrl() {
    // The sink refers to the frame manager, so it goes first.
    DestroyCommandSink();
    frameManager_.reset();
}

HResult CTarnMapDataCtrl::Event(const TarnId& event) {
    CTarnMapDataCommandSink* sink = commandSink_.get();
    if (sink == nullptr) {
        return kStatusOk;  // not started: nothing shows anything yet
    }
    const auto resources = EnterResourceContext();
    if (event == kIdEventSectionSettingsChanged) {
        sink->Reload(kReloadLinkerSections);
        sink->Refresh(kReloadLinkerSections);
    } else if (event == kIdEventHostLockOn) {
        sink->SetHostLock(true);
        sink->RememberEditMode();
    } else if (event == kIdEventHostLockOff) {
        sink->SetHostLock(false);
        sink->RestoreEditMode();
        sink->Reload(kReloadLinkMap);
        sink->Refresh(kReloadLinkMap);
    } else if (IsMemoryResourceEvent(event)) {
        sink->Reload(kReloadMemoryMap);
    } else if (event == kIdEventLinkerOptionsChanged) {
        sink->RunLinkerOptionQuery();
        sink->Reload(kReloadLinkerSections);
        sink->Refresh(kReloadLinkerSections);
    }
    if (event == kIdEventDebuggerFirst) {
        sink->BroadcastDebuggerFirst();
    } else if (event == kIdEventDebuggerSecond) {
        sink->BroadcastDebuggerSecond();
    }
    return kStatusOk;
}

bool CTarnMapDataCtrl::CreateCommandSink() {
    if (commandSink_ != nullptr) {
        return true;  // started before: keep the sink and the windows it owns
    }
    if (frameManager_ == nullptr) {
        frameManager_ = std::make_unique<CViewFrameManager>(Host());
    }
    commandSink_ = NewCommandSink(Host(), frameManager_.get());
    if (commandSink_ == nullptr || !commandSink_->CreateSinkWindow()) {
        commandSink_.reset();
        return false;
    }
    return true;
}

void CTarnMapDataCtrl::DestroyCommandSink() {
    if (commandSink_ == nullptr) {
        return;
    }
    commandSink_->CloseAllViews();
    commandSink_->DestroyWindow();
    commandSink_.reset();
}

std::unique_ptr<CTarnMapDataCommandSink> CTarnMapDataCtrl::NewCommandSink(
    IBraeHost* host, CViewFrameManager* frameManager) {
    return std::make_unique<CTarnMapDataCommandSink>(host, frameManager);
}
