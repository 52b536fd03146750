// The memory resource service: the target device's memory resource description, kept in the
// workspace file and written back atomically.
#pragma once

#include <string>

#include "host/lib/HostObject.h"
#include "host/lib/Workspace.h"

namespace tarnhost {

class MemoryResourceService final : public HostObject<IBraeMemoryResources> {
public:
    explicit MemoryResourceService(Workspace& workspace);

    HResult ReadDescription(const WString& workspace, const WString& project, const WString& device,
                            WString* description) override;
    HResult WriteDescription(const WString& workspace, const WString& project,
                             const WString& device, const WString& description) override;

    const std::string& LastError() const { return lastError_; }

private:
    Workspace& workspace_;
    std::string lastError_;
};

}  // namespace tarnhost
