#include "host/lib/WorkspaceDataService.h"

#include "host/lib/StoreText.h"
#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

std::string Name(const WString& name) {
    return EscapeName(tarnui::Utf16ToUtf8(name));
}

}  // namespace

WorkspaceDataService::WorkspaceDataService(const Workspace& workspace)
    : HostObject(kIdWorkspaceDataService), store_(DataPath(workspace)) {}

std::string WorkspaceDataService::DataPath(const Workspace& workspace) {
    return workspace.IsInMemory() ? std::string() : workspace.Path() + ".data";
}

std::string WorkspaceDataService::SectionName(const Address& where) {
    return Name(where.workspace) + "|" + Name(where.project) + "|" + Name(where.configuration) +
           "|" + Name(where.device) + "|" + Name(where.section);
}

HResult WorkspaceDataService::WriteNumber(const Address& where, const WString& key, int32_t value) {
    return store_.SetNumber(SectionName(where), Name(key), value) ? kStatusOk : kStatusFail;
}

HResult WorkspaceDataService::ReadNumber(const Address& where, const WString& key, int32_t* value) {
    const auto stored = store_.GetNumber(SectionName(where), Name(key));
    if (value == nullptr || !stored) {
        return kStatusFail;
    }
    *value = *stored;
    return kStatusOk;
}

HResult WorkspaceDataService::WriteString(const Address& where, const WString& key,
                                          const WString& value) {
    return store_.SetString(SectionName(where), Name(key), tarnui::Utf16ToUtf8(value))
               ? kStatusOk
               : kStatusFail;
}

HResult WorkspaceDataService::ReadString(const Address& where, const WString& key, WString* value) {
    const auto stored = store_.GetString(SectionName(where), Name(key));
    if (value == nullptr || !stored) {
        return kStatusFail;
    }
    *value = tarnui::Utf8ToUtf16(*stored);
    return kStatusOk;
}

}  // namespace tarnhost
