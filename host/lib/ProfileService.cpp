#include "host/lib/ProfileService.h"

#include "host/lib/StoreText.h"
#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

std::string Name(const WString& name) {
    return EscapeName(tarnui::Utf16ToUtf8(name));
}

}  // namespace

ProfileService::ProfileService(const std::string& configDir)
    : HostObject(kIdProfileService), store_(configDir + "/" + kFileName) {}

HResult ProfileService::WriteNumber(const WString& section, const WString& key, int32_t value) {
    return store_.SetNumber(Name(section), Name(key), value) ? kStatusOk : kStatusFail;
}

HResult ProfileService::ReadNumber(const WString& section, const WString& key, int32_t* value) {
    const auto stored = store_.GetNumber(Name(section), Name(key));
    if (value == nullptr || !stored) {
        return kStatusFail;
    }
    *value = *stored;
    return kStatusOk;
}

}  // namespace tarnhost
