#include "host/lib/ProjectInfoService.h"

#include "host/lib/Contexts.h"

namespace tarnhost {

ProjectInfoService::ProjectInfoService(const Workspace& workspace)
    : HostObject(kIdProjectInformationService), workspace_(workspace) {}

HResult ProjectInfoService::GetFirstKeyPart(const WString& a, const WString& b, WString* part) {
    const Contexts open = Contexts::Of(workspace_);
    if (part == nullptr || a != open.workspace || b != open.project) {
        return kStatusFail;
    }
    *part = open.project;
    return kStatusOk;
}

HResult ProjectInfoService::GetSecondKeyPart(const WString& a, const WString& b, const WString& d,
                                             WString* part) {
    const Contexts open = Contexts::Of(workspace_);
    if (part == nullptr || a != open.workspace || b != open.project || d != open.device) {
        return kStatusFail;
    }
    *part = open.device;
    return kStatusOk;
}

}  // namespace tarnhost
