// The host's docking framework: the panes that hold the components' windows with their frame
// states, the toolbars (shown or not), the menus added to the host's menu bar, the accelerator
// tables and the command targets of every component. Everything is state that a front end
// shows; a person's actions come back through the "User..." operations and ExecuteCommand.
//
// Frame states: a pane in a dock bar starts dockable (kFrameDockable), one without a dock bar
// sits among the documents (kFrameInDocumentArea); neither is shown (kFrameShown) until asked.
// Toggling docking swaps the two bits.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/lib/HostObject.h"
#include "platform/commands/CommandUI.h"
#include "platform/resources/ResourceTable.h"
#include "platform/windows/Window.h"

namespace tarnhost {

// A pane: a window whose first child fills it.
class DockingPane final : public tarnui::Window {
public:
    ~DockingPane() override;

protected:
    void OnSize(int width, int height) override;
};

struct PaneState {
    std::unique_ptr<DockingPane> window;
    TarnId component;
    std::string key;
    std::string caption;
    uint32_t style = 0;
    int32_t dockBar = 0;
    uint32_t state = 0;
};

struct ToolbarState {
    int32_t handle = 0;
    TarnId component;
    tarnui::Window* frame = nullptr;  // null: the host's own toolbar area
    tarnui::Window* owner = nullptr;
    std::string displayName;
    std::string identifier;
    std::vector<int> commands;  // 0 stands for a separator
    int bitmap = 0;             // the component's bitmap of the button images, side by side
    int buttonWidth = 0, buttonHeight = 0;
    bool loaded = false;
    bool shown = true;
    int customiseRequests = 0;  // the front end shows its customising dialog for each
};

struct HostMenuEntry {
    TarnId component;
    std::string hostMenu;
    tarnui::MenuTemplate menu;
};

struct CommandTargetEntry {
    int32_t handle = 0;
    TarnId component;
    tarnui::Window* target = nullptr;
};

struct AcceleratorEntry {
    TarnId component;
    tarnui::AcceleratorTable table;
    tarnui::Window* target = nullptr;
};

class DockingFramework final : public HostObject<IBraeDockingFramework> {
public:
    static constexpr tarnui::Rect kPaneRect{0, 0, 480, 320};

    DockingFramework();
    ~DockingFramework() override;

    // IBraeDockingFramework.
    HResult CreatePane(const TarnId& component, const WString& key, const WString& caption,
                       uint32_t style, int32_t dockBar, tarnui::Window** pane) override;
    HResult ClosePane(const TarnId& component, tarnui::Window* pane) override;
    HResult RequestFrameState(const TarnId& component, tarnui::Window* frame,
                              uint32_t flags) override;
    HResult QueryFrameState(const TarnId& component, tarnui::Window* frame,
                            uint32_t* state) override;
    HResult ShowWindowForKey(const TarnId& component, const WString& key, uint32_t* state) override;
    HResult AddMenu(const TarnId& component, const tarnui::MenuTemplate& menu,
                    const WString& hostMenu) override;
    HResult RegisterCommandTarget(const TarnId& component, tarnui::Window* target,
                                  int32_t* handle) override;
    HResult CreateToolbar(const TarnId& component, tarnui::Window* frame, tarnui::Window* owner,
                          const WString& displayName, const WString& identifier,
                          int32_t* handle) override;
    HResult LoadToolbar(const TarnId& component, int32_t handle,
                        const tarnui::ToolbarTemplate& buttons) override;
    HResult IsToolbarShown(const TarnId& component, int32_t handle, int32_t* shown) override;
    HResult ShowToolbar(const TarnId& component, int32_t handle, int32_t show) override;
    HResult CustomizeToolbar(const TarnId& component, int32_t handle) override;
    HResult InstallAccelerators(const TarnId& component, const tarnui::AcceleratorTable& table,
                                tarnui::Window* target) override;
    HResult ForgetWindow(const TarnId& component, tarnui::Window* window) override;

    // The state a front end shows.
    const std::vector<std::unique_ptr<PaneState>>& Panes() const { return panes_; }
    const PaneState* FindPane(const tarnui::Window* pane) const;
    std::vector<const PaneState*> PanesOfKey(std::string_view key) const;
    const PaneState* ActivePane() const { return FindPane(active_); }
    const std::vector<ToolbarState>& Toolbars() const { return toolbars_; }
    const ToolbarState* FindToolbar(int32_t handle) const;
    const ToolbarState* ToolbarOfFrame(const tarnui::Window* frame) const;
    const std::vector<HostMenuEntry>& Menus() const { return menus_; }
    const std::vector<CommandTargetEntry>& CommandTargets() const { return commandTargets_; }
    const std::vector<AcceleratorEntry>& Accelerators() const { return accelerators_; }

    // What a person does. Closing or hiding a pane tells the windows inside it; a pane
    // without windows closes at once.
    bool UserClosesPane(tarnui::Window* pane);
    bool UserHidesPane(tarnui::Window* pane);
    // A command chosen from the host's menus or toolbars: the first registered target that
    // has it enabled runs it. The state the host's menus show for the command.
    bool ExecuteCommand(int command);
    tarnui::CommandUI QueryCommand(int command);
    // A key pressed in the host: the installed accelerator tables, the latest first.
    bool TranslateAccelerator(uint32_t key, uint8_t modifiers);
    // Called whenever a toolbar is loaded, shown or hidden, so a front end follows at once.
    void SetToolbarListener(std::function<void()> listener) {
        toolbarListener_ = std::move(listener);
    }

private:
    PaneState* Pane(const TarnId& component, const tarnui::Window* pane);
    ToolbarState* Toolbar(const TarnId& component, int32_t handle);
    void SetShown(PaneState& pane, bool shown);

    std::vector<std::unique_ptr<PaneState>> panes_;
    std::vector<ToolbarState> toolbars_;
    std::vector<HostMenuEntry> menus_;
    std::vector<CommandTargetEntry> commandTargets_;
    std::vector<AcceleratorEntry> accelerators_;
    const tarnui::Window* active_ = nullptr;
    int32_t nextHandle_ = 1;
    std::function<void()> toolbarListener_;
};

}  // namespace tarnhost
