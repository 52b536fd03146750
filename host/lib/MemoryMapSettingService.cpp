#include "host/lib/MemoryMapSettingService.h"

namespace tarnhost {

MemoryMapSettingService::MemoryMapSettingService() : HostObject(kIdMemoryMapService) {}

bool MemoryMapSettingService::Available() const {
    return workspace_ != nullptr && !workspace_->DeviceName().empty();
}

HResult MemoryMapSettingService::ShowMemoryMapSetting() {
    if (!Available()) {
        return kStatusFail;
    }
    MemoryMapRequest request{workspace_->WorkspaceName(), workspace_->ProjectName(),
                             workspace_->ConfigName(), workspace_->DeviceName(),
                             workspace_->MemoryDescription()};
    requests_.push_back(request);
    if (listener_) {
        listener_(request);
    }
    return kStatusOk;
}

}  // namespace tarnhost
