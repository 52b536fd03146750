// A companion object of a window, made by the view frame manager when the window is built
// with one: the toolbar companion keeps the toolbar the window created in its frame, the
// command companion keeps the window's registration as a command target. The view frame
// manager owns both and releases them when it forgets the window.
#pragma once

#include <cstdint>

namespace tarnui {
class Window;
}

class CFrameCompanion {
public:
    enum class Role { Toolbar, CommandTarget };

    CFrameCompanion(tarnui::Window* owner, Role role) : owner_(owner), role_(role) {}

    tarnui::Window* Owner() const { return owner_; }
    Role GetRole() const { return role_; }
    // The host's handle of the toolbar or registration; 0 while there is none.
    int32_t Handle() const { return handle_; }
    void SetHandle(int32_t handle) { handle_ = handle; }

private:
    tarnui::Window* owner_;
    Role role_;
    int32_t handle_ = 0;
};

struct CFrameCompanions {
    CFrameCompanion* toolbar = nullptr;
    CFrameCompanion* commands = nullptr;

    bool Empty() const { return toolbar == nullptr && commands == nullptr; }
};
