// The host's windows service: hands out the host's main window, under which components place
// their own (hidden) command windows.
#pragma once

#include "host/lib/HostObject.h"
#include "platform/windows/Window.h"

namespace tarnhost {

class HostWindowService final : public HostObject<IBraeHostWindows> {
public:
    // Creates the main window (hidden until a front end shows it).
    HostWindowService();
    ~HostWindowService() override;

    HResult GetMainWindow(tarnui::Window** window) override;

    tarnui::Window& MainWindow() { return mainWindow_; }

private:
    tarnui::Window mainWindow_;
};

}  // namespace tarnhost
