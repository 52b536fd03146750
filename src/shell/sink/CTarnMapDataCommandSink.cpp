#include "src/shell/sink/CTarnMapDataCommandSink.h"

#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"

CTarnMapDataCommandSink::CTarnMapDataCommandSink(IBraeHost* host, CViewFrameManager* frameManager)
    : host_(host), frameManager_(frameManager) {}

CTarnMapDataCommandSink::~CTarnMapDataCommandSink() = default;

bool CTarnMapDataCommandSink::CreateSinkWindow() {
    tarnui::Window* mainWindow = nullptr;
    if (auto* windows = GetHostService<IBraeHostWindows>(host_, kIdHostWindowService)) {
        if (Failed(windows->GetMainWindow(&mainWindow))) {
            mainWindow = nullptr;
        }
    }
    const uint32_t style = mainWindow != nullptr ? tarnui::kWsChild : tarnui::kWsPopup;
    return Create(mainWindow, tarnui::Rect{}, 0, style, "TarnMap command sink");
}

// With no Map window open there is no model a reload must re-read and no view to refresh;
// the models and views register here as they are opened.
void CTarnMapDataCommandSink::Reload(int /*kind*/) {}

void CTarnMapDataCommandSink::Refresh(int /*kind*/) {}

void CTarnMapDataCommandSink::SetHostLock(bool on) {
    hostLock_ = on;
}

// Without a section setting tree the remembered mode stays as it is.
void CTarnMapDataCommandSink::RememberEditMode() {}

void CTarnMapDataCommandSink::RestoreEditMode() {}

void CTarnMapDataCommandSink::RunLinkerOptionQuery() {}

void CTarnMapDataCommandSink::BroadcastDebuggerFirst() {}

void CTarnMapDataCommandSink::BroadcastDebuggerSecond() {}

void CTarnMapDataCommandSink::CloseAllViews() {}
