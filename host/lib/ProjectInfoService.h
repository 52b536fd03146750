// The project information service: the two parts that make the open workspace's Map window
// keys unique, the project name (first part) and the device name (second part). Calls that
// name another workspace or project fail.
#pragma once

#include "host/lib/HostObject.h"
#include "host/lib/Workspace.h"

namespace tarnhost {

class ProjectInfoService final : public HostObject<IBraeProjectInfo> {
public:
    explicit ProjectInfoService(const Workspace& workspace);

    HResult GetFirstKeyPart(const WString& workspace, const WString& project,
                            WString* part) override;
    HResult GetSecondKeyPart(const WString& workspace, const WString& project,
                             const WString& device, WString* part) override;

private:
    const Workspace& workspace_;
};

}  // namespace tarnhost
