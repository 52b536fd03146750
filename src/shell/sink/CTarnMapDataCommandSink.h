// The command sink: the component's one hidden window and the owner of everything the
// component shows. It owns the data manager, opens and closes the two kinds of Map windows
// with their views, answers the "Map..." command, turns host events into reloads of the map
// data and refreshes of the views, and serves the host's workspace and options clients.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "src/data/CTarnMapDataManager.h"
#include "src/shell/framework/CUiDebugCommandSink.h"
#include "src/shell/framework/CWSClient2.h"

class CWorkspaceDataAccessor;
class CTarnMapSectionSettingTreeInstanceCtrl;

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
inline constexpr int kMapViewKindCount = 4;

// The two Map window types: 0 "Map Section Information", 1 "Map Symbol Information".
enum MapWindowType : int {
    kWindowSectionInformation = 0,
    kWindowSymbolInformation = 1,
};
inline constexpr int kMapWindowTypeCount = 2;

// The identifier of the component's toolbar in the host's toolbar area.
inline constexpr const char* kMapToolbarIdentifier = "{WK_TB00000012_MAP}";
// The key prefixes of the two window types; an open workspace extends them.
inline constexpr const char* kSectionKeyPrefix = "{WK_00000001_MAPSCT}";
inline constexpr const char* kSymbolKeyPrefix = "{WK_00000001_MAPSYM}";

class CTarnMapDataCommandSink : public CUiDebugCommandSink,
                                public CWSClient2,
                                public IBraeDataManagerOptionsClient {
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
    int SettingState() const { return settingState_; }

    bool SectionWindowOpen() const;
    bool SymbolWindowOpen() const;

    // Opens the Map window of a type under its key, reads its models and refreshes its views;
    // false when a pane or a view could not be made.
    virtual bool OpenByType(int type);
    // Opens the Map window that a key names; a key of neither type runs the "Map..." command.
    virtual bool OpenByKey(const std::string& key);
    // The "Map..." command and its enable rule.
    void OnOpenMap();
    bool OpenMapEnabled() const;

    int OpenCount(int type) const { return openCounts_[static_cast<size_t>(type)]; }
    const std::string& WindowKey(int type) const;
    // The views of one kind that the sink opened, in opening order.
    const std::vector<CTarnDebugInstanceDataCtrlEx*>& TypedViews(int kind) const {
        return typedViews_[static_cast<size_t>(kind)];
    }
    bool WorkspaceOpen() const { return workspaceOpen_; }
    int CloseAnswer() const { return closeAnswer_; }

    // Every view closes; no Map window stays open.
    void CloseAllViews() override;
    int ViewClosing(tarnui::Window* viewWindow) override;
    int ViewHidden(tarnui::Window* viewWindow) override;

    // The print command of the host when no view has it: the print chooser.
    void OnPrintCommand();

    // Writes and reads the open Map windows, each view's state and the find history. The
    // restore reads the models and refreshes the views before their states are loaded.
    void SaveLayout(CWorkspaceDataAccessor& accessor);
    void RestoreLayout(CWorkspaceDataAccessor& accessor);

    // IUnknown, for every interface the sink serves.
    HResult QueryInterface(const TarnId& id, void** out) override;
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    // IBraeWorkSpaceClient2.
    HResult SettleEdits(int32_t value) override;
    HResult QueryModified(intptr_t value, int32_t* modified) override;
    HResult WorkspaceClosing(intptr_t a, intptr_t b, intptr_t c, intptr_t d) override;
    HResult WorkspaceOpened(const WString& a, const WString& b, const WString& c,
                            const WString& d) override;
    HResult WorkspaceSave(const WString& a, const WString& b, const WString& e) override;

    // IBraeDataManagerOptionsClient: positions 3 to 10 do nothing.
    HResult OptionsReserved3(intptr_t) override { return kStatusOk; }
    HResult OptionsReserved4(intptr_t) override { return kStatusOk; }
    HResult OptionsReserved5(intptr_t) override { return kStatusOk; }
    HResult OptionsReserved6(intptr_t) override { return kStatusOk; }
    HResult OptionsReserved7(intptr_t) override { return kStatusOk; }
    HResult OptionsReserved8(intptr_t) override { return kStatusOk; }
    HResult OptionsReserved9(intptr_t) override { return kStatusOk; }
    HResult OptionsReserved10(intptr_t) override { return kStatusOk; }
    HResult OptionsChanged(intptr_t a, intptr_t b, intptr_t c) override;

private:
    void RegisterWithHost();
    void AdviseClients(bool advise);
    bool HasViewOfKind(int first, int second) const;
    // Makes the panes and views of a window type under the key; false leaves nothing open.
    bool CreateMapWindow(int type, const std::string& key);
    std::vector<CTarnMapSectionSettingTreeInstanceCtrl*> SectionSettingTrees() const;
    void ForgetTypedView(const CTarnDebugInstanceDataCtrlEx* view);
    void LowerOpenCount(int type);
    void ClearLists();

    std::string sectionKey_ = kSectionKeyPrefix;
    std::string symbolKey_ = kSymbolKeyPrefix;
    // One entry per Map window, under its first view.
    std::unordered_map<const CTarnDebugInstanceDataCtrlEx*, std::string> instanceKeys_;
    std::array<int16_t, kMapWindowTypeCount> openCounts_{};
    std::array<std::vector<CTarnDebugInstanceDataCtrlEx*>, kMapViewKindCount> typedViews_;
    std::unique_ptr<CTarnMapDataManager> data_;
    std::vector<std::string> findHistory_;
    bool hostLock_ = false;
    int rememberedEditMode_ = 0;
    uint32_t linkerOptionFlags_ = 0;
    uint32_t linkerOptionValue2_ = 0;
    bool linkerOptionsAvailable_ = false;
    int settingState_ = 0;
    int closeAnswer_ = 1;
    bool workspaceOpen_ = false;
    WString thirdContext_;
    bool advised_ = false;
};
