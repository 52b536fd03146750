#include "src/shell/sink/CTarnMapDataCommandSink.h"

#include <algorithm>

#include "platform/resources/ResourceContext.h"
#include "src/editor/CTarnMapSectionSettingTreeInstanceCtrl.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/CDlgSelectMapType.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/framework/PrintChooser.h"

CTarnMapDataCommandSink::CTarnMapDataCommandSink(IBraeHost* host, CViewFrameManager* frameManager)
    : CUiDebugCommandSink(host, frameManager), data_(std::make_unique<CTarnMapDataManager>(host)) {
    AdviseClients(true);
    OnCommand(tarnres::kCmdOpenMap, [this] { OnOpenMap(); });
    OnUpdateCommand(tarnres::kCmdOpenMap,
                    [this](tarnui::CommandUI& ui) { ui.Enable(OpenMapEnabled()); });
    OnCommand(tarnres::kCmdPrintChooser, [this] { OnPrintCommand(); });
    OnUpdateCommand(tarnres::kCmdPrintChooser,
                    [this](tarnui::CommandUI& ui) { ui.Enable(AnyViewPrintable()); });
}

CTarnMapDataCommandSink::~CTarnMapDataCommandSink() {
    AdviseClients(false);
    ClearLists();
    // The views hold the data manager: they go before it does.
    CloseAllViews();
}

// The workspace client (both identifiers, one object), the font-and-colour client and the
// options client, unadvised in the order they were advised.
void CTarnMapDataCommandSink::AdviseClients(bool advise) {
    IBraeHost* host = Host();
    if (host == nullptr || advise == advised_) {
        return;
    }
    advised_ = advise;
    const std::pair<const TarnId*, IUnknown*> clients[] = {
        {&kIdIBraeWorkSpaceClient, static_cast<IBraeWorkSpaceClient2*>(this)},
        {&kIdIBraeWorkSpaceClient2, static_cast<IBraeWorkSpaceClient2*>(this)},
        {&kIdIBraeFormatViewClient2, static_cast<IBraeFormatViewClient2*>(this)},
        {&kIdIBraeDataManagerOptionsClient, static_cast<IBraeDataManagerOptionsClient*>(this)},
    };
    for (const auto& [id, client] : clients) {
        if (advise) {
            host->Advise(*id, client);
        } else {
            host->Unadvise(*id, client);
        }
    }
}

HResult CTarnMapDataCommandSink::QueryInterface(const TarnId& id, void** out) {
    if (out == nullptr) {
        return kStatusFail;
    }
    if (id == kIdIUnknown || id == kIdIBraeWorkSpaceClient || id == kIdIBraeWorkSpaceClient2) {
        *out = static_cast<IBraeWorkSpaceClient2*>(this);
        return kStatusOk;
    }
    if (id == kIdIBraeFormatViewClient2) {
        *out = static_cast<IBraeFormatViewClient2*>(this);
        return kStatusOk;
    }
    if (id == kIdIBraeDataManagerOptionsClient) {
        *out = static_cast<IBraeDataManagerOptionsClient*>(this);
        return kStatusOk;
    }
    *out = nullptr;
    return kStatusNoInterface;
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
    return std::any_of(Views().begin(), Views().end(), [&](const auto& view) {
        return view->Kind() == first || view->Kind() == second;
    });
}

bool CTarnMapDataCommandSink::SectionWindowOpen() const {
    return HasViewOfKind(kViewSectionSettingTree, kViewSectionList);
}

bool CTarnMapDataCommandSink::SymbolWindowOpen() const {
    return HasViewOfKind(kViewSectionTree, kViewSymbolList);
}

std::vector<CTarnMapSectionSettingTreeInstanceCtrl*> CTarnMapDataCommandSink::SectionSettingTrees()
    const {
    std::vector<CTarnMapSectionSettingTreeInstanceCtrl*> trees;
    for (const auto& view : Views()) {
        if (view->Kind() == kViewSectionSettingTree) {
            if (auto* tree = dynamic_cast<CTarnMapSectionSettingTreeInstanceCtrl*>(view.get())) {
                trees.push_back(tree);
            }
        }
    }
    return trees;
}

// Only the models that an open Map window shows are read again. The first section setting
// tree tells whether the settings come from a subcommand file.
void CTarnMapDataCommandSink::Reload(int kind) {
    const bool sections = SectionWindowOpen();
    const bool symbols = SymbolWindowOpen();
    const auto querySettingState = [this] {
        const auto trees = SectionSettingTrees();
        if (!trees.empty()) {
            trees.front()->QuerySettingState();
            settingState_ = trees.front()->SettingState();
        }
    };
    switch (kind) {
        case kReloadAll:
            if (sections) {
                querySettingState();
                data_->LoadMemoryMap();
                data_->LoadLinkerSections();
            }
            if (sections || symbols) {
                data_->LoadLinkMap();
            }
            break;
        case kReloadLinkerSections:
            if (sections) {
                querySettingState();
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
    if (kind == kReloadLinkerSections) {
        // The trees are asked before they rebuild: edits pending, or a subcommand file.
        for (CTarnMapSectionSettingTreeInstanceCtrl* tree : SectionSettingTrees()) {
            tree->SetCapabilities(linkerOptionFlags_);
            const bool rebuild = settingState_ == 0   ? tree->AcceptReload()
                                 : settingState_ == 1 ? tree->DropForSubcommandFile()
                                                      : false;
            if (rebuild) {
                tree->Refresh();
            }
        }
        return;
    }
    // Refreshing may close nothing, but walk a copy all the same.
    std::vector<CTarnDebugInstanceDataCtrlEx*> views;
    for (const auto& view : Views()) {
        views.push_back(view.get());
    }
    for (CTarnDebugInstanceDataCtrlEx* view : views) {
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

void CTarnMapDataCommandSink::RememberEditMode() {
    for (CTarnMapSectionSettingTreeInstanceCtrl* tree : SectionSettingTrees()) {
        rememberedEditMode_ = tree->EditMode() ? 1 : 0;
    }
}

void CTarnMapDataCommandSink::RestoreEditMode() {
    for (CTarnMapSectionSettingTreeInstanceCtrl* tree : SectionSettingTrees()) {
        tree->SetEditMode(rememberedEditMode_ != 0);
    }
}

void CTarnMapDataCommandSink::RunLinkerOptionQuery() {
    linkerOptionsAvailable_ =
        data_->GetLinkerOptionFlags(&linkerOptionFlags_, &linkerOptionValue2_) != 0;
}

HResult CTarnMapDataCommandSink::OptionsChanged(intptr_t, intptr_t, intptr_t) {
    const ScopedComponentState resources;
    if (SectionWindowOpen()) {
        Reload(kReloadLinkerSections);
        Refresh(kReloadLinkerSections);
    }
    return kStatusOk;
}

void CTarnMapDataCommandSink::OnPrintCommand() {
    RunPrintChooser(*this, this);
}
