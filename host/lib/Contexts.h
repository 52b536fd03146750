// The four context strings of an open workspace: workspace, project, configuration and
// device names, as wide strings. Services answer only calls that name the open workspace.
#pragma once

#include "host/lib/Workspace.h"
#include "src/shell/HostTypes.h"

namespace tarnhost {

struct Contexts {
    WString workspace, project, config, device;

    static Contexts Of(const Workspace& workspace);
    // Linker calls carry workspace, project and configuration.
    bool MatchLinker(const WString& a, const WString& b, const WString& c) const {
        return a == workspace && b == project && c == config;
    }
    // Memory resource calls carry workspace, project and device.
    bool MatchMemory(const WString& a, const WString& b, const WString& d) const {
        return a == workspace && b == project && d == device;
    }
};

}  // namespace tarnhost
