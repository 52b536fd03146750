#include "host/lib/MemoryResourceService.h"

#include "host/lib/Contexts.h"
#include "platform/text/Utf.h"

namespace tarnhost {

MemoryResourceService::MemoryResourceService(Workspace& workspace)
    : HostObject(kIdMemoryResourceService), workspace_(workspace) {}

HResult MemoryResourceService::ReadDescription(const WString& workspace, const WString& project,
                                               const WString& device, WString* description) {
    if (description == nullptr ||
        !Contexts::Of(workspace_).MatchMemory(workspace, project, device)) {
        return kStatusFail;
    }
    *description = tarnui::Utf8ToUtf16(workspace_.MemoryDescription());
    return kStatusOk;
}

HResult MemoryResourceService::WriteDescription(const WString& workspace, const WString& project,
                                                const WString& device, const WString& description) {
    lastError_.clear();
    if (!Contexts::Of(workspace_).MatchMemory(workspace, project, device)) {
        lastError_ = "the description names another workspace";
        return kStatusFail;
    }
    return workspace_.SetMemoryDescription(tarnui::Utf16ToUtf8(description), &lastError_)
               ? kStatusOk
               : kStatusFail;
}

}  // namespace tarnhost
