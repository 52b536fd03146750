#include "src/shell/framework/CViewFrameManager.h"

#include <algorithm>

#include "platform/resources/ResourceContext.h"
#include "platform/text/Utf.h"
#include "platform/windows/Window.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/ComponentModuleState.h"

namespace {

template <class T, class Predicate>
void EraseIf(std::vector<T>& items, Predicate predicate) {
    items.erase(std::remove_if(items.begin(), items.end(), predicate), items.end());
}

}  // namespace

CViewFrameManager::CViewFrameManager(IBraeHost* host)
    : host_(host),
      docking_(GetHostService<IBraeDockingFramework>(host, kIdDockingFrameworkService)) {}

CViewFrameManager::~CViewFrameManager() = default;

CFrameCompanions CViewFrameManager::CreateCompanions(tarnui::Window* owner) {
    CFrameCompanions made;
    if (owner == nullptr) {
        return made;
    }
    companions_.push_back(std::make_unique<CFrameCompanion>(owner, CFrameCompanion::Role::Toolbar));
    made.toolbar = companions_.back().get();
    companions_.push_back(
        std::make_unique<CFrameCompanion>(owner, CFrameCompanion::Role::CommandTarget));
    made.commands = companions_.back().get();
    return made;
}

CFrameCompanion* CViewFrameManager::Companion(const tarnui::Window* owner,
                                              CFrameCompanion::Role role) const {
    for (const auto& companion : companions_) {
        if (companion->Owner() == owner && companion->GetRole() == role) {
            return companion.get();
        }
    }
    return nullptr;
}

CFrameCompanions CViewFrameManager::CompanionsOf(const tarnui::Window* owner) const {
    return {Companion(owner, CFrameCompanion::Role::Toolbar),
            Companion(owner, CFrameCompanion::Role::CommandTarget)};
}

tarnui::Window* CViewFrameManager::CreatePane(const std::string& key, const std::string& caption,
                                              uint32_t style, int32_t dockBar) {
    if (docking_ == nullptr) {
        return nullptr;
    }
    tarnui::Window* pane = nullptr;
    if (Failed(docking_->CreatePane(kIdTarnMapComponent, tarnui::Utf8ToUtf16(key),
                                    tarnui::Utf8ToUtf16(caption), style, dockBar, &pane)) ||
        pane == nullptr) {
        return nullptr;
    }
    panes_.push_back({key, pane});
    return pane;
}

bool CViewFrameManager::RequestFrameState(tarnui::Window* frame, uint32_t flags) {
    return docking_ != nullptr && frame != nullptr &&
           Succeeded(docking_->RequestFrameState(kIdTarnMapComponent, frame, flags));
}

uint32_t CViewFrameManager::QueryFrameState(tarnui::Window* frame) const {
    uint32_t state = 0;
    if (docking_ == nullptr || frame == nullptr ||
        Failed(docking_->QueryFrameState(kIdTarnMapComponent, frame, &state))) {
        return 0;
    }
    return state;
}

uint32_t CViewFrameManager::ShowWindowForKey(const std::string& key) {
    uint32_t state = 0;
    if (docking_ == nullptr ||
        Failed(docking_->ShowWindowForKey(kIdTarnMapComponent, tarnui::Utf8ToUtf16(key), &state))) {
        return 0;
    }
    return state;
}

bool CViewFrameManager::AddMenuToHost(int menuResource, const std::string& hostMenu) {
    if (docking_ == nullptr) {
        return false;
    }
    ScopedComponentState state;
    const tarnui::MenuTemplate* menu = tarnui::FindMenuTemplate(menuResource);
    if (menu == nullptr ||
        Failed(docking_->AddMenu(kIdTarnMapComponent, *menu, tarnui::Utf8ToUtf16(hostMenu)))) {
        return false;
    }
    menus_.push_back(menuResource);
    return true;
}

bool CViewFrameManager::RegisterCommandTarget(tarnui::Window* target) {
    int32_t handle = 0;
    if (docking_ == nullptr || target == nullptr ||
        Failed(docking_->RegisterCommandTarget(kIdTarnMapComponent, target, &handle))) {
        return false;
    }
    commandTargets_.push_back({target, handle});
    if (CFrameCompanion* companion = Companion(target, CFrameCompanion::Role::CommandTarget)) {
        companion->SetHandle(handle);
    }
    return true;
}

bool CViewFrameManager::CreateToolbar(int toolbarResource, const std::string& displayName,
                                      const std::string& identifier, tarnui::Window* owner) {
    if (docking_ == nullptr) {
        return false;
    }
    ScopedComponentState state;
    const tarnui::ToolbarTemplate* buttons = tarnui::FindToolbarTemplate(toolbarResource);
    if (buttons == nullptr) {
        return false;
    }
    int32_t handle = 0;
    if (Failed(docking_->CreateToolbar(kIdTarnMapComponent, nullptr, owner,
                                       tarnui::Utf8ToUtf16(displayName),
                                       tarnui::Utf8ToUtf16(identifier), &handle)) ||
        Failed(docking_->LoadToolbar(kIdTarnMapComponent, handle, *buttons))) {
        return false;
    }
    toolbars_.push_back({nullptr, owner, handle});
    return true;
}

bool CViewFrameManager::CreateFrameToolbar(tarnui::Window* frame, tarnui::Window* owner) {
    if (docking_ == nullptr || frame == nullptr || FrameToolbar(frame) != nullptr) {
        return false;
    }
    int32_t handle = 0;
    if (Failed(docking_->CreateToolbar(kIdTarnMapComponent, frame, owner,
                                       tarnui::Utf8ToUtf16(frame->GetWindowText()), {}, &handle))) {
        return false;
    }
    toolbars_.push_back({frame, owner, handle});
    if (CFrameCompanion* companion = Companion(owner, CFrameCompanion::Role::Toolbar)) {
        companion->SetHandle(handle);
    }
    return true;
}

bool CViewFrameManager::LoadFrameToolbar(tarnui::Window* frame, int toolbarResource) {
    const Toolbar* toolbar = FrameToolbar(frame);
    if (toolbar == nullptr) {
        return false;
    }
    ScopedComponentState state;
    const tarnui::ToolbarTemplate* buttons = tarnui::FindToolbarTemplate(toolbarResource);
    return buttons != nullptr &&
           Succeeded(docking_->LoadToolbar(kIdTarnMapComponent, toolbar->handle, *buttons));
}

bool CViewFrameManager::InstallAccelerators(int tableResource, tarnui::Window* target) {
    if (docking_ == nullptr) {
        return false;
    }
    ScopedComponentState state;
    const tarnui::AcceleratorTable* table = tarnui::FindAcceleratorTable(tableResource);
    if (table == nullptr ||
        Failed(docking_->InstallAccelerators(kIdTarnMapComponent, *table, target))) {
        return false;
    }
    accelerators_.push_back({tableResource, target});
    return true;
}

const CViewFrameManager::Toolbar* CViewFrameManager::FrameToolbar(
    const tarnui::Window* frame) const {
    if (frame == nullptr) {
        return nullptr;
    }
    for (const Toolbar& toolbar : toolbars_) {
        if (toolbar.frame == frame) {
            return &toolbar;
        }
    }
    return nullptr;
}

bool CViewFrameManager::HasFrameToolbar(const tarnui::Window* frame) const {
    return FrameToolbar(frame) != nullptr;
}

bool CViewFrameManager::IsToolbarShown(tarnui::Window* frame) const {
    const Toolbar* toolbar = FrameToolbar(frame);
    int32_t shown = 0;
    return toolbar != nullptr &&
           Succeeded(docking_->IsToolbarShown(kIdTarnMapComponent, toolbar->handle, &shown)) &&
           shown != 0;
}

bool CViewFrameManager::ShowToolbar(tarnui::Window* frame, bool show) {
    const Toolbar* toolbar = FrameToolbar(frame);
    return toolbar != nullptr &&
           Succeeded(docking_->ShowToolbar(kIdTarnMapComponent, toolbar->handle, show ? 1 : 0));
}

bool CViewFrameManager::CustomizeToolbar(tarnui::Window* frame) {
    const Toolbar* toolbar = FrameToolbar(frame);
    return toolbar != nullptr &&
           Succeeded(docking_->CustomizeToolbar(kIdTarnMapComponent, toolbar->handle));
}

void CViewFrameManager::UpdateHideCommand(tarnui::Window* frame, tarnui::CommandUI& ui) const {
    ui.Enable((QueryFrameState(frame) & kFrameShown) != 0);
}

bool CViewFrameManager::Detach(tarnui::Window* window) {
    if (window == nullptr) {
        return false;
    }
    tarnui::Window* frame = window->GetParent();
    const auto pane = std::find_if(panes_.begin(), panes_.end(),
                                   [frame](const Pane& p) { return p.window == frame; });
    if (frame == nullptr || pane == panes_.end()) {
        return false;
    }
    // The pane goes, and with it every toolbar kept for it.
    panes_.erase(pane);
    EraseIf(toolbars_, [frame](const Toolbar& t) { return t.frame == frame; });
    return Succeeded(docking_->ClosePane(kIdTarnMapComponent, frame));
}

void CViewFrameManager::ForgetWindow(tarnui::Window* window) {
    if (window == nullptr) {
        return;
    }
    if (docking_ != nullptr) {
        docking_->ForgetWindow(kIdTarnMapComponent, window);
    }
    EraseIf(commandTargets_, [window](const Registration& r) { return r.target == window; });
    EraseIf(toolbars_, [window](const Toolbar& t) { return t.owner == window; });
    EraseIf(accelerators_, [window](const Accelerators& a) { return a.target == window; });
    EraseIf(companions_, [window](const std::unique_ptr<CFrameCompanion>& companion) {
        return companion->Owner() == window;
    });
}
