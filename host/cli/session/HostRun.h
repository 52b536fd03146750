// A whole session of the substitute host with the Map component loaded as the host loads it
// (the library opened, its entry points called, its interfaces queried): workspaces opened,
// saved and closed through the component's workspace client, events raised by name, display
// options set through its font-and-colour client, and commands chosen from the host's menus.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/lib/ComponentSession.h"
#include "host/lib/SubstituteHost.h"

namespace tarncli::session {

class HostRun {
public:
    // Null with the reason when the component does not start.
    static std::unique_ptr<HostRun> Start(std::string* error);
    // Closes the workspace, stops the component, then the host.
    ~HostRun();
    HostRun(const HostRun&) = delete;
    HostRun& operator=(const HostRun&) = delete;

    tarnhost::SubstituteHost& Host() { return *host_; }
    tarnhost::ComponentSession& Component() { return *component_; }

    // Opens the workspace file (closing an open one first); false with the reason.
    bool OpenWorkspace(const std::string& file, std::string* error);
    bool SaveWorkspace(std::string* error);
    bool CloseWorkspace(std::string* error);

    // Raises a host event by name: lock-on, lock-off, sections-changed, memory-changed,
    // options-changed. False for an unknown name.
    bool RaiseEvent(const std::string& name);
    static std::string EventNames();

    // Sets a display option as the host's options dialog does, through the component's
    // font-and-colour client: TARN_MAP_FONT_NAME, TARN_MAP_FONT_SIZE, TARN_MAP_FGCOLOUR,
    // TARN_MAP_BKCOLOUR. False with the reason.
    bool SetOption(const std::string& name, const std::string& value, std::string* error);

    // The frames the host holds, one line each: caption, dock place, shown or hidden and the
    // window inside.
    std::vector<std::string> WindowLines() const;
    // The lines last written to the transcript.
    std::vector<std::string>& ShownWindowLines() { return shown_; }

private:
    HostRun() = default;
    std::unique_ptr<tarnhost::SubstituteHost> host_;
    std::unique_ptr<tarnhost::ComponentSession> component_;
    std::vector<std::string> shown_;
};

}  // namespace tarncli::session
