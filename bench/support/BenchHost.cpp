#include "bench/support/BenchHost.h"

#include "platform/text/Utf.h"
#include "src/shell/HostIds.h"

namespace benchsupport {

BenchLinkerSettings::BenchLinkerSettings() : HostObject(kIdLinkerSettingService) {}

HResult BenchLinkerSettings::GetGroupCount(const WString&, const WString&, const WString&,
                                           int32_t*) {
    return kStatusFail;
}
HResult BenchLinkerSettings::GetAddressCount(const WString&, const WString&, const WString&,
                                             int32_t, int32_t*) {
    return kStatusFail;
}
HResult BenchLinkerSettings::GetAddressPair(const WString&, const WString&, const WString&, int32_t,
                                            int32_t, WString*, WString*) {
    return kStatusFail;
}
HResult BenchLinkerSettings::GetItemCount(const WString&, const WString&, const WString&, int32_t,
                                          int32_t*) {
    return kStatusFail;
}
HResult BenchLinkerSettings::GetItem(const WString&, const WString&, const WString&, int32_t,
                                     int32_t, HostStringList*) {
    return kStatusFail;
}
HResult BenchLinkerSettings::GetMapListingPath(const WString&, const WString&, const WString&,
                                               WString* path) {
    *path = tarnui::Utf8ToUtf16(listingPath);
    return kStatusOk;
}

HResult BenchHost::QueryInterface(const TarnId& id, void** out) {
    if (id == kIdIUnknown || id == kIdIBraeHost) {
        *out = static_cast<IBraeHost*>(this);
        return kStatusOk;
    }
    *out = nullptr;
    return kStatusNoInterface;
}

HResult BenchHost::GetService(const TarnId& id, void** out) {
    if (id == kIdValueConversionService) {
        *out = static_cast<IBraeValueConversion*>(&values);
        return kStatusOk;
    }
    if (id == kIdLinkerSettingService) {
        *out = static_cast<IBraeLinkerSettings*>(&settings);
        return kStatusOk;
    }
    *out = nullptr;
    return kStatusNoInterface;
}

}  // namespace benchsupport
