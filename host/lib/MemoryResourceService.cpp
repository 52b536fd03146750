#include "host/lib/MemoryResourceService.h"

#include "host/lib/Contexts.h"
#include "platform/text/Utf.h"

namespace tarnhost {

MemoryResourceService::MemoryResourceService(Workspace& workspace)
    : HostObject(kIdMemoryResourceService), workspace_(workspace) {}

HResult MemoryResourceService::ReadDescription(const WString& c1, const WString& c2,
                                               const WString& c3, WString* description) {
    if (description == nullptr || !Contexts::Of(workspace_).MatchMemory(c1, c2, c3)) {
        return kStatusFail;
    }
    *description = tarnui::Utf8ToUtf16(workspace_.MemoryDescription());
    return kStatusOk;
}

HResult MemoryResourceService::WriteDescription(const WString& c1, const WString& c2,
                                                const WString& c3, const WString& description) {
    lastError_.clear();
    if (!Contexts::Of(workspace_).MatchMemory(c1, c2, c3)) {
        lastError_ = "the description names another workspace";
        return kStatusFail;
    }
    return workspace_.SetMemoryDescription(tarnui::Utf16ToUtf8(description), &lastError_)
               ? kStatusOk
               : kStatusFail;
}

}  // namespace tarnhost
