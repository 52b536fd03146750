// The view frame manager: the component's side of the host's docking framework. It asks the
// host for panes, frame states, toolbars, menus and accelerators for the component's windows,
// every request naming the component, and keeps which of them belong to which window so that
// a window can be forgotten in one step. Without the host's docking framework every request
// fails and every query answers "nothing".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/commands/CommandUI.h"
#include "src/shell/HostInterfaces.h"
#include "src/shell/framework/CFrameCompanion.h"

class CViewFrameManager {
public:
    explicit CViewFrameManager(IBraeHost* host);
    virtual ~CViewFrameManager();
    CViewFrameManager(const CViewFrameManager&) = delete;
    CViewFrameManager& operator=(const CViewFrameManager&) = delete;

    IBraeHost* Host() const { return host_; }
    bool HasDockingFramework() const { return docking_ != nullptr; }

    // The two companion objects of a window; the manager owns them until it forgets the window.
    CFrameCompanions CreateCompanions(tarnui::Window* owner);
    CFrameCompanions CompanionsOf(const tarnui::Window* owner) const;

    // A new pane under the key; null when the host gives none.
    tarnui::Window* CreatePane(const std::string& key, const std::string& caption, uint32_t style,
                               int32_t dockBar);
    bool RequestFrameState(tarnui::Window* frame, uint32_t flags);
    // 0 for a frame the host does not know.
    uint32_t QueryFrameState(tarnui::Window* frame) const;
    // Shows the panes of the key; their state, 0 when there are none.
    uint32_t ShowWindowForKey(const std::string& key);
    // Adds a menu of the component's resources to the host's menu named hostMenu.
    bool AddMenuToHost(int menuResource, const std::string& hostMenu);
    // Commands of the component reach the window from the host's menus, toolbars and keys.
    bool RegisterCommandTarget(tarnui::Window* target);
    // The component's own toolbar in the host's toolbar area, filled from a toolbar resource.
    bool CreateToolbar(int toolbarResource, const std::string& displayName,
                       const std::string& identifier, tarnui::Window* owner);
    // The toolbar bar of a frame, owned by a window, and the loading of its buttons.
    bool CreateFrameToolbar(tarnui::Window* frame, tarnui::Window* owner);
    bool LoadFrameToolbar(tarnui::Window* frame, int toolbarResource);
    bool InstallAccelerators(int tableResource, tarnui::Window* target);
    // The toolbar of a frame.
    bool HasFrameToolbar(const tarnui::Window* frame) const;
    bool IsToolbarShown(tarnui::Window* frame) const;
    bool ShowToolbar(tarnui::Window* frame, bool show);
    bool CustomizeToolbar(tarnui::Window* frame);
    // The state of the "Hide window" command of a frame: enabled while the frame is shown.
    void UpdateHideCommand(tarnui::Window* frame, tarnui::CommandUI& ui) const;
    // A view lets go of its frame: the host closes the pane that holds it.
    bool Detach(tarnui::Window* window);
    // Forgets a window: its registrations, the toolbars it owns, the accelerators aimed at it
    // and its two companion objects.
    void ForgetWindow(tarnui::Window* window);

    // Bookkeeping, for the command sink and tests.
    size_t PaneCount() const { return panes_.size(); }
    size_t CommandTargetCount() const { return commandTargets_.size(); }
    size_t CompanionCount() const { return companions_.size(); }

private:
    struct Pane {
        std::string key;
        tarnui::Window* window;
    };
    struct Toolbar {
        tarnui::Window* frame;  // null for the component's own toolbar
        tarnui::Window* owner;
        int32_t handle;
    };
    struct Registration {
        tarnui::Window* target;
        int32_t handle;
    };
    struct Accelerators {
        int table;
        tarnui::Window* target;
    };

    const Toolbar* FrameToolbar(const tarnui::Window* frame) const;
    CFrameCompanion* Companion(const tarnui::Window* owner, CFrameCompanion::Role role) const;

    IBraeHost* host_;
    IBraeDockingFramework* docking_;
    std::vector<Pane> panes_;
    std::vector<Toolbar> toolbars_;
    std::vector<Registration> commandTargets_;
    std::vector<int> menus_;
    std::vector<Accelerators> accelerators_;
    std::vector<std::unique_ptr<CFrameCompanion>> companions_;
};
