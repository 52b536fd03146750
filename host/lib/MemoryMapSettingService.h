// The memory map service: the host's own memory map settings of the workspace's device. The
// substitute host has no dialog of its own here: each request is kept with the context it was
// made in, and a listener (the front end, a script transcript) shows the settings.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/lib/HostObject.h"
#include "host/lib/Workspace.h"

namespace tarnhost {

// What the host's memory map settings show for one request.
struct MemoryMapRequest {
    std::string workspace;
    std::string project;
    std::string configuration;
    std::string device;
    std::string description;  // the device's memory resource description
};

class MemoryMapSettingService final : public HostObject<IBraeMemoryMapSetting> {
public:
    using Listener = std::function<void(const MemoryMapRequest&)>;

    MemoryMapSettingService();

    // The workspace whose device the settings belong to; null: none is open.
    void SetWorkspace(const Workspace* workspace) { workspace_ = workspace; }
    // Whether the host offers the settings: only for a workspace that names its device.
    bool Available() const;

    // Records the request and tells the listener; fails without a device.
    HResult ShowMemoryMapSetting() override;

    const std::vector<MemoryMapRequest>& Requests() const { return requests_; }
    void SetListener(Listener listener) { listener_ = std::move(listener); }

private:
    const Workspace* workspace_ = nullptr;
    std::vector<MemoryMapRequest> requests_;
    Listener listener_;
};

}  // namespace tarnhost
