// The command sink: the component's one hidden window and the owner of everything the
// component shows. It owns the data manager; the component object turns host events into the
// sink's reloads of the map data, refreshes of the views, host lock changes and debugger
// broadcasts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "src/data/CTarnMapDataManager.h"
#include "src/shell/framework/CUiDebugCommandSink.h"

// What the sink's reload and refresh are asked to cover.
enum MapReloadKind : int {
    kReloadAll = 0,              // every model and every view
    kReloadLinkerSections = 1,   // section settings: the section setting trees
    kReloadMemoryMapOption = 2,  // memory map
    kReloadMemoryMap = 3,        // memory resources changed
    kReloadLinkMap = 4,          // map listing: section list, section tree, symbol list
};

// The kinds of the views inside the two Map windows.
enum MapViewKind : int {
    kViewSectionSettingTree = 0,
    kViewSectionList = 1,
    kViewSectionTree = 2,
    kViewSymbolList = 3,
};

// The identifier of the component's toolbar in the host's toolbar area.
inline constexpr const char* kMapToolbarIdentifier = "{WK_TB00000012_MAP}";

class CTarnMapDataCommandSink : public CUiDebugCommandSink {
public:
    CTarnMapDataCommandSink(IBraeHost* host, CViewFrameManager* frameManager);
    ~CTarnMapDataCommandSink() override;
    CTarnMapDataCommandSink(const CTarnMapDataCommandSink&) = delete;
    CTarnMapDataCommandSink& operator=(const CTarnMapDataCommandSink&) = delete;

    // Creates the sink's window: invisible, a child of the host's main window when the host
    // offers one, a hidden top-level window otherwise.
    bool CreateSinkWindow();

    CTarnMapDataManager& DataManager() { return *data_; }
    // The names searched in the symbol lists, latest first; shared by every symbol list and
    // kept with the workspace.
    std::vector<std::string>& FindHistoryList() { return findHistory_; }

    // Re-reads the models that the open Map windows show (MapReloadKind).
    virtual void Reload(int kind);
    // Refreshes the views that show what `kind` (MapReloadKind) covers.
    virtual void Refresh(int kind);

    // The host's lock: set while the host rebuilds; section setting trees read it.
    virtual void SetHostLock(bool on);
    bool HostLock() const { return hostLock_; }

    // Keeps the edit mode of the section setting trees over a host lock (the last tree's
    // mode wins) and gives it back to every tree afterwards.
    virtual void RememberEditMode();
    virtual void RestoreEditMode();
    int RememberedEditMode() const { return rememberedEditMode_; }

    // Asks the data manager which linker options the current linker offers and keeps the
    // answer; the "Map..." command needs them available.
    virtual void RunLinkerOptionQuery();
    uint32_t LinkerOptionFlags() const { return linkerOptionFlags_; }
    uint32_t LinkerOptionValue2() const { return linkerOptionValue2_; }
    bool LinkerOptionsAvailable() const { return linkerOptionsAvailable_; }

    bool SectionWindowOpen() const;
    bool SymbolWindowOpen() const;

private:
    void RegisterWithHost();
    bool HasViewOfKind(int first, int second) const;

    std::unique_ptr<CTarnMapDataManager> data_;
    std::vector<std::string> findHistory_;
    bool hostLock_ = false;
    int rememberedEditMode_ = 0;
    uint32_t linkerOptionFlags_ = 0;
    uint32_t linkerOptionValue2_ = 0;
    bool linkerOptionsAvailable_ = false;
};
