#include "host/lib/ProjectInfoService.h"

#include "host/lib/Contexts.h"

namespace tarnhost {

ProjectInfoService::ProjectInfoService(const Workspace& workspace)
    : HostObject(kIdProjectInformationService), workspace_(workspace) {}

HResult ProjectInfoService::GetFirstKeyPart(const WString& workspace, const WString& project,
                                            WString* part) {
    const Contexts open = Contexts::Of(workspace_);
    if (part == nullptr || workspace != open.workspace || project != open.project) {
        return kStatusFail;
    }
    *part = open.project;
    return kStatusOk;
}

HResult ProjectInfoService::GetSecondKeyPart(const WString& workspace, const WString& project,
                                             const WString& device, WString* part) {
    const Contexts open = Contexts::Of(workspace_);
    if (part == nullptr || workspace != open.workspace || project != open.project ||
        device != open.device) {
        return kStatusFail;
    }
    *part = open.device;
    return kStatusOk;
}

}  // namespace tarnhost
