// The command sink: the component's one hidden window and the owner of everything the
// component shows. The component object turns host events into the sink's reloads of the
// map data, refreshes of the views, host lock changes and debugger broadcasts.
#pragma once

#include "platform/windows/Window.h"
#include "src/shell/HostInterfaces.h"

class CViewFrameManager;

// What the sink's reload and refresh are asked to cover.
enum MapReloadKind : int {
    kReloadAll = 0,              // every model and every view
    kReloadLinkerSections = 1,   // section settings: the section setting trees
    kReloadMemoryMapOption = 2,  // memory map
    kReloadMemoryMap = 3,        // memory resources changed
    kReloadLinkMap = 4,          // map listing: section list, section tree, symbol list
};

class CTarnMapDataCommandSink : public tarnui::Window {
public:
    CTarnMapDataCommandSink(IBraeHost* host, CViewFrameManager* frameManager);
    ~CTarnMapDataCommandSink() override;
    CTarnMapDataCommandSink(const CTarnMapDataCommandSink&) = delete;
    CTarnMapDataCommandSink& operator=(const CTarnMapDataCommandSink&) = delete;

    // Creates the sink's window: invisible, a child of the host's main window when the host
    // offers one, a hidden top-level window otherwise.
    bool CreateSinkWindow();

    IBraeHost* Host() const { return host_; }
    CViewFrameManager* FrameManager() const { return frameManager_; }

    // Re-reads the models named by `kind` (MapReloadKind).
    virtual void Reload(int kind);
    // Refreshes the views named by `kind` (MapReloadKind).
    virtual void Refresh(int kind);

    // The host's lock: set while the host rebuilds; section setting trees read it.
    virtual void SetHostLock(bool on);
    bool HostLock() const { return hostLock_; }

    // Keeps the edit mode of the section setting trees over a host lock (the last tree's
    // mode wins) and gives it back to every tree afterwards.
    virtual void RememberEditMode();
    virtual void RestoreEditMode();
    int RememberedEditMode() const { return rememberedEditMode_; }

    // Asks again which linker options the current linker offers.
    virtual void RunLinkerOptionQuery();

    // Passes the host's debugger events to every view.
    virtual void BroadcastDebuggerFirst();
    virtual void BroadcastDebuggerSecond();

    // Closes and deletes every view.
    virtual void CloseAllViews();

private:
    IBraeHost* host_;
    CViewFrameManager* frameManager_;
    bool hostLock_ = false;
    int rememberedEditMode_ = 0;
};
