#include "host/lib/DockingFramework.h"

#include <algorithm>

#include "platform/resources/ResourceContext.h"
#include "platform/text/Utf.h"

namespace tarnhost {

namespace {

template <class T, class Predicate>
void EraseIf(std::vector<T>& items, Predicate predicate) {
    items.erase(std::remove_if(items.begin(), items.end(), predicate), items.end());
}

bool MenusEqual(const std::vector<tarnui::MenuItemTemplate>& a,
                const std::vector<tarnui::MenuItemTemplate>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].text != b[i].text || a[i].command != b[i].command ||
            a[i].separator != b[i].separator || !MenusEqual(a[i].items, b[i].items)) {
            return false;
        }
    }
    return true;
}

}  // namespace

DockingPane::~DockingPane() {
    DestroyWindow();
}

void DockingPane::OnSize(int width, int height) {
    if (!Children().empty()) {
        Children().front()->MoveWindow({0, 0, width, height});
    }
}

DockingFramework::DockingFramework() : HostObject(kIdDockingFrameworkService) {}

DockingFramework::~DockingFramework() = default;

PaneState* DockingFramework::Pane(const TarnId& component, const tarnui::Window* pane) {
    for (const auto& p : panes_) {
        if (p->window.get() == pane && p->component == component) {
            return p.get();
        }
    }
    return nullptr;
}

const PaneState* DockingFramework::FindPane(const tarnui::Window* pane) const {
    if (pane == nullptr) {
        return nullptr;
    }
    for (const auto& p : panes_) {
        if (p->window.get() == pane) {
            return p.get();
        }
    }
    return nullptr;
}

std::vector<const PaneState*> DockingFramework::PanesOfKey(std::string_view key) const {
    std::vector<const PaneState*> found;
    for (const auto& p : panes_) {
        if (p->key == key) {
            found.push_back(p.get());
        }
    }
    return found;
}

ToolbarState* DockingFramework::Toolbar(const TarnId& component, int32_t handle) {
    for (ToolbarState& toolbar : toolbars_) {
        if (toolbar.handle == handle && toolbar.component == component) {
            return &toolbar;
        }
    }
    return nullptr;
}

const ToolbarState* DockingFramework::FindToolbar(int32_t handle) const {
    for (const ToolbarState& toolbar : toolbars_) {
        if (toolbar.handle == handle) {
            return &toolbar;
        }
    }
    return nullptr;
}

const ToolbarState* DockingFramework::ToolbarOfFrame(const tarnui::Window* frame) const {
    for (const ToolbarState& toolbar : toolbars_) {
        if (frame != nullptr && toolbar.frame == frame) {
            return &toolbar;
        }
    }
    return nullptr;
}

void DockingFramework::SetShown(PaneState& pane, bool shown) {
    pane.state = shown ? (pane.state | kFrameShown) : (pane.state & ~kFrameShown);
    pane.window->ShowWindow(shown);
    if (!shown && active_ == pane.window.get()) {
        active_ = nullptr;
    }
}

HResult DockingFramework::CreatePane(const TarnId& component, const WString& key,
                                     const WString& caption, uint32_t style, int32_t dockBar,
                                     tarnui::Window** pane) {
    if (pane == nullptr) {
        return kStatusFail;
    }
    *pane = nullptr;
    auto made = std::make_unique<PaneState>();
    made->window = std::make_unique<DockingPane>();
    made->component = component;
    made->key = tarnui::Utf16ToUtf8(key);
    made->caption = tarnui::Utf16ToUtf8(caption);
    made->style = style;
    made->dockBar = dockBar;
    made->state = dockBar != 0 ? kFrameDockable : kFrameInDocumentArea;
    // Hidden until the component asks for the frame to be shown.
    if (!made->window->Create(nullptr, kPaneRect, 0, 0, made->caption)) {
        return kStatusFail;
    }
    *pane = made->window.get();
    panes_.push_back(std::move(made));
    return kStatusOk;
}

HResult DockingFramework::ClosePane(const TarnId& component, tarnui::Window* pane) {
    PaneState* found = Pane(component, pane);
    if (found == nullptr) {
        return kStatusFail;
    }
    if (active_ == pane) {
        active_ = nullptr;
    }
    EraseIf(toolbars_, [pane](const ToolbarState& t) { return t.frame == pane; });
    // Destroying the pane window destroys whatever is still inside it.
    std::unique_ptr<PaneState> closing;
    for (auto& p : panes_) {
        if (p.get() == found) {
            closing = std::move(p);
        }
    }
    EraseIf(panes_, [](const std::unique_ptr<PaneState>& p) { return p == nullptr; });
    closing.reset();
    return kStatusOk;
}

HResult DockingFramework::RequestFrameState(const TarnId& component, tarnui::Window* frame,
                                            uint32_t flags) {
    PaneState* pane = Pane(component, frame);
    if (pane == nullptr) {
        return kStatusFail;
    }
    if ((flags & kFrameToggleDocking) != 0) {
        const bool dockingForbidden =
            (pane->state & kFrameInDocumentArea) != 0 && (pane->state & kFrameDockable) == 0;
        pane->state &= ~(kFrameInDocumentArea | kFrameDockable);
        pane->state |= dockingForbidden ? kFrameDockable : kFrameInDocumentArea;
    }
    if ((flags & kFrameHide) != 0) {
        SetShown(*pane, false);
    }
    if ((flags & kFrameShown) != 0) {
        SetShown(*pane, true);
    }
    if ((flags & kFrameActivate) != 0 && (pane->state & kFrameShown) != 0) {
        active_ = frame;
    }
    return kStatusOk;
}

HResult DockingFramework::QueryFrameState(const TarnId& component, tarnui::Window* frame,
                                          uint32_t* state) {
    PaneState* pane = Pane(component, frame);
    if (state == nullptr || pane == nullptr) {
        return kStatusFail;
    }
    *state = pane->state;
    return kStatusOk;
}

HResult DockingFramework::ShowWindowForKey(const TarnId& component, const WString& key,
                                           uint32_t* state) {
    if (state == nullptr) {
        return kStatusFail;
    }
    *state = 0;
    const std::string wanted = tarnui::Utf16ToUtf8(key);
    for (const auto& pane : panes_) {
        if (pane->component == component && pane->key == wanted) {
            SetShown(*pane, true);
            *state |= pane->state;
        }
    }
    return kStatusOk;
}

HResult DockingFramework::AddMenu(const TarnId& component, const tarnui::MenuTemplate& menu,
                                  const WString& hostMenu) {
    const std::string name = tarnui::Utf16ToUtf8(hostMenu);
    for (const HostMenuEntry& entry : menus_) {
        if (entry.component == component && entry.hostMenu == name && entry.menu.id == menu.id &&
            MenusEqual(entry.menu.items, menu.items)) {
            return kStatusOk;  // already there
        }
    }
    menus_.push_back({component, name, menu});
    return kStatusOk;
}

HResult DockingFramework::RegisterCommandTarget(const TarnId& component, tarnui::Window* target,
                                                int32_t* handle) {
    if (target == nullptr || handle == nullptr) {
        return kStatusFail;
    }
    for (const CommandTargetEntry& entry : commandTargets_) {
        if (entry.component == component && entry.target == target) {
            *handle = entry.handle;
            return kStatusOk;
        }
    }
    *handle = nextHandle_++;
    commandTargets_.push_back({*handle, component, target});
    return kStatusOk;
}

HResult DockingFramework::CreateToolbar(const TarnId& component, tarnui::Window* frame,
                                        tarnui::Window* owner, const WString& displayName,
                                        const WString& identifier, int32_t* handle) {
    if (handle == nullptr || (frame != nullptr && Pane(component, frame) == nullptr)) {
        return kStatusFail;
    }
    ToolbarState toolbar;
    toolbar.handle = nextHandle_++;
    toolbar.component = component;
    toolbar.frame = frame;
    toolbar.owner = owner;
    toolbar.displayName = tarnui::Utf16ToUtf8(displayName);
    toolbar.identifier = tarnui::Utf16ToUtf8(identifier);
    toolbars_.push_back(std::move(toolbar));
    *handle = toolbars_.back().handle;
    return kStatusOk;
}

HResult DockingFramework::LoadToolbar(const TarnId& component, int32_t handle,
                                      const tarnui::ToolbarTemplate& buttons) {
    ToolbarState* toolbar = Toolbar(component, handle);
    if (toolbar == nullptr) {
        return kStatusFail;
    }
    toolbar->commands = buttons.commands;
    toolbar->bitmap = buttons.bitmap;
    toolbar->buttonWidth = buttons.buttonWidth;
    toolbar->buttonHeight = buttons.buttonHeight;
    toolbar->loaded = true;
    if (toolbarListener_) {
        toolbarListener_();
    }
    return kStatusOk;
}

HResult DockingFramework::IsToolbarShown(const TarnId& component, int32_t handle, int32_t* shown) {
    ToolbarState* toolbar = Toolbar(component, handle);
    if (toolbar == nullptr || shown == nullptr) {
        return kStatusFail;
    }
    *shown = toolbar->shown ? 1 : 0;
    return kStatusOk;
}

HResult DockingFramework::ShowToolbar(const TarnId& component, int32_t handle, int32_t show) {
    ToolbarState* toolbar = Toolbar(component, handle);
    if (toolbar == nullptr) {
        return kStatusFail;
    }
    toolbar->shown = show != 0;
    if (toolbarListener_) {
        toolbarListener_();
    }
    return kStatusOk;
}

HResult DockingFramework::CustomizeToolbar(const TarnId& component, int32_t handle) {
    ToolbarState* toolbar = Toolbar(component, handle);
    if (toolbar == nullptr) {
        return kStatusFail;
    }
    ++toolbar->customiseRequests;
    return kStatusOk;
}

HResult DockingFramework::InstallAccelerators(const TarnId& component,
                                              const tarnui::AcceleratorTable& table,
                                              tarnui::Window* target) {
    if (target == nullptr) {
        return kStatusFail;
    }
    for (AcceleratorEntry& entry : accelerators_) {
        if (entry.component == component && entry.table.id == table.id && entry.target == target) {
            entry.table = table;
            return kStatusOk;
        }
    }
    accelerators_.push_back({component, table, target});
    return kStatusOk;
}

HResult DockingFramework::ForgetWindow(const TarnId& component, tarnui::Window* window) {
    if (window == nullptr) {
        return kStatusFail;
    }
    EraseIf(commandTargets_, [&](const CommandTargetEntry& e) {
        return e.component == component && e.target == window;
    });
    EraseIf(toolbars_,
            [&](const ToolbarState& t) { return t.component == component && t.owner == window; });
    EraseIf(accelerators_, [&](const AcceleratorEntry& e) {
        return e.component == component && e.target == window;
    });
    return kStatusOk;
}

bool DockingFramework::UserClosesPane(tarnui::Window* pane) {
    const PaneState* found = FindPane(pane);
    if (found == nullptr) {
        return false;
    }
    if (pane->Children().empty()) {
        return Succeeded(ClosePane(found->component, pane));
    }
    const std::vector<tarnui::Window*> inside = pane->Children();
    for (tarnui::Window* window : inside) {
        window->SendMessage(kMsgDockingFrameClosing);
    }
    return true;
}

bool DockingFramework::UserHidesPane(tarnui::Window* pane) {
    PaneState* found = nullptr;
    for (const auto& p : panes_) {
        if (p->window.get() == pane) {
            found = p.get();
        }
    }
    if (found == nullptr) {
        return false;
    }
    SetShown(*found, false);
    const std::vector<tarnui::Window*> inside = pane->Children();
    for (tarnui::Window* window : inside) {
        window->SendMessage(kMsgDockingFrameHidden);
    }
    return true;
}

tarnui::CommandUI DockingFramework::QueryCommand(int command) {
    for (const CommandTargetEntry& entry : commandTargets_) {
        tarnui::CommandUI ui = entry.target->QueryCommand(command);
        if (ui.handled) {
            return ui;
        }
    }
    tarnui::CommandUI none;
    none.id = command;
    return none;
}

bool DockingFramework::ExecuteCommand(int command) {
    // Copied: a command may register or forget targets.
    const std::vector<CommandTargetEntry> targets = commandTargets_;
    for (const CommandTargetEntry& entry : targets) {
        const tarnui::CommandUI ui = entry.target->QueryCommand(command);
        if (ui.handled && ui.enabled) {
            return entry.target->ExecuteCommand(command);
        }
    }
    return false;
}

bool DockingFramework::TranslateAccelerator(uint32_t key, uint8_t modifiers) {
    for (auto it = accelerators_.rbegin(); it != accelerators_.rend(); ++it) {
        const int command = tarnui::FindAcceleratorCommand(it->table, key, modifiers);
        if (command == 0) {
            continue;
        }
        tarnui::Window* target = it->target;
        const tarnui::CommandUI ui = target->QueryCommand(command);
        return ui.enabled && target->ExecuteCommand(command);
    }
    return false;
}

}  // namespace tarnhost
