#include "src/shell/sink/CTarnMapDataCommandSink.h"

#include "src/resources/ResourceIds.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"

CTarnMapDataCommandSink::CTarnMapDataCommandSink(IBraeHost* host, CViewFrameManager* frameManager)
    : CUiDebugCommandSink(host, frameManager), data_(std::make_unique<CTarnMapDataManager>(host)) {}

CTarnMapDataCommandSink::~CTarnMapDataCommandSink() {
    // The views hold the data manager: they go before it does.
    CloseAllViews();
}

bool CTarnMapDataCommandSink::CreateSinkWindow() {
    tarnui::Window* mainWindow = nullptr;
    if (auto* windows = GetHostService<IBraeHostWindows>(Host(), kIdHostWindowService)) {
        if (Failed(windows->GetMainWindow(&mainWindow))) {
            mainWindow = nullptr;
        }
    }
    const uint32_t style = mainWindow != nullptr ? tarnui::kWsChild : tarnui::kWsPopup;
    if (!Create(mainWindow, tarnui::Rect{}, 0, style, "TarnMap command sink")) {
        return false;
    }
    RegisterWithHost();
    return true;
}

// The "Map..." command reaches the sink from the host's Tools menu, the component's toolbar
// and its accelerators.
void CTarnMapDataCommandSink::RegisterWithHost() {
    CViewFrameManager* frames = FrameManager();
    if (frames == nullptr) {
        return;
    }
    const ScopedComponentState resources;
    frames->AddMenuToHost(tarnres::kMenuTools, tarnui::LoadString(tarnres::kStrToolsMenu));
    frames->RegisterCommandTarget(this);
    frames->CreateToolbar(tarnres::kToolbarMap, tarnui::LoadString(tarnres::kStrToolbarMap),
                          kMapToolbarIdentifier, this);
    frames->InstallAccelerators(tarnres::kAccelMap, this);
}

bool CTarnMapDataCommandSink::HasViewOfKind(int first, int second) const {
    for (const auto& view : Views()) {
        if (view->Kind() == first || view->Kind() == second) {
            return true;
        }
    }
    return false;
}

bool CTarnMapDataCommandSink::SectionWindowOpen() const {
    return HasViewOfKind(kViewSectionSettingTree, kViewSectionList);
}

bool CTarnMapDataCommandSink::SymbolWindowOpen() const {
    return HasViewOfKind(kViewSectionTree, kViewSymbolList);
}

// Only the models that an open Map window shows are read again.
void CTarnMapDataCommandSink::Reload(int kind) {
    const bool sections = SectionWindowOpen();
    const bool symbols = SymbolWindowOpen();
    switch (kind) {
        case kReloadAll:
            if (sections) {
                data_->LoadMemoryMap();
                data_->LoadLinkerSections();
            }
            if (sections || symbols) {
                data_->LoadLinkMap();
            }
            break;
        case kReloadLinkerSections:
            if (sections) {
                data_->LoadLinkerSections();
            }
            break;
        case kReloadMemoryMapOption:
        case kReloadMemoryMap:
            if (sections) {
                data_->LoadMemoryMap();
            }
            break;
        case kReloadLinkMap:
            if (sections || symbols) {
                data_->LoadLinkMap();
            }
            break;
        default:
            break;
    }
}

void CTarnMapDataCommandSink::Refresh(int kind) {
    for (const auto& view : Views()) {
        const int viewKind = view->Kind();
        const bool chosen =
            (kind == kReloadAll && viewKind >= kViewSectionSettingTree &&
             viewKind <= kViewSymbolList) ||
            (kind == kReloadLinkMap && viewKind >= kViewSectionList && viewKind <= kViewSymbolList);
        if (chosen) {
            view->Refresh();
        }
    }
}

void CTarnMapDataCommandSink::SetHostLock(bool on) {
    hostLock_ = on;
}

// The section setting trees keep their own edit mode; until one is open the remembered mode
// stays as it is.
void CTarnMapDataCommandSink::RememberEditMode() {}

void CTarnMapDataCommandSink::RestoreEditMode() {}

void CTarnMapDataCommandSink::RunLinkerOptionQuery() {
    linkerOptionsAvailable_ =
        data_->GetLinkerOptionFlags(&linkerOptionFlags_, &linkerOptionValue2_) != 0;
}
