#include "host/lib/OptionsService.h"

#include "host/lib/StoreText.h"
#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

constexpr const char* kSection = "options";

std::string KeyName(const WString& key) {
    return EscapeName(tarnui::Utf16ToUtf8(key));
}

}  // namespace

OptionsService::OptionsService(const std::string& configDir)
    : HostObject(kIdOptionsService), store_(configDir + "/" + kFileName) {}

HResult OptionsService::SetNumber(const WString& key, int32_t value) {
    return store_.SetNumber(kSection, KeyName(key), value) ? kStatusOk : kStatusFail;
}

HResult OptionsService::SetString(const WString& key, const WString& value) {
    return store_.SetString(kSection, KeyName(key), tarnui::Utf16ToUtf8(value)) ? kStatusOk
                                                                                : kStatusFail;
}

HResult OptionsService::GetNumber(const WString& key, int32_t* value) {
    const auto stored = store_.GetNumber(kSection, KeyName(key));
    if (value == nullptr || !stored) {
        return kStatusFail;
    }
    *value = *stored;
    return kStatusOk;
}

HResult OptionsService::GetString(const WString& key, WString* value) {
    const auto stored = store_.GetString(kSection, KeyName(key));
    if (value == nullptr || !stored) {
        return kStatusFail;
    }
    *value = tarnui::Utf8ToUtf16(*stored);
    return kStatusOk;
}

}  // namespace tarnhost
