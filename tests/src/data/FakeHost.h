// A small host for the data model tests: it serves the real value conversion service and a
// linker setting service that answers a fixed map listing path. Either service can be withheld
// and the path call made to fail.
#pragma once

#include <array>
#include <string>

#include "host/lib/HostObject.h"
#include "host/lib/ValueConversion.h"
#include "platform/text/Utf.h"
#include "src/shell/HostIds.h"
#include "src/shell/HostInterfaces.h"

namespace testhost {

class FakeLinkerSettings final : public tarnhost::HostObject<IBraeLinkerSettings> {
public:
    FakeLinkerSettings() : HostObject(kIdLinkerSettingService) {}

    HResult GetGroupCount(const WString&, const WString&, const WString&, int32_t*) override {
        return kStatusFail;
    }
    HResult GetAddressCount(const WString&, const WString&, const WString&, int32_t,
                            int32_t*) override {
        return kStatusFail;
    }
    HResult GetAddressPair(const WString&, const WString&, const WString&, int32_t, int32_t,
                           WString*, WString*) override {
        return kStatusFail;
    }
    HResult GetItemCount(const WString&, const WString&, const WString&, int32_t,
                         int32_t*) override {
        return kStatusFail;
    }
    HResult GetItem(const WString&, const WString&, const WString&, int32_t, int32_t,
                    HostStringList*) override {
        return kStatusFail;
    }
    HResult GetMapListingPath(const WString& c1, const WString& c2, const WString& c3,
                              WString* path) override {
        contexts = {c1, c2, c3};
        ++pathCalls;
        if (Failed(pathStatus)) {
            return pathStatus;
        }
        *path = tarnui::Utf8ToUtf16(listingPath);
        return kStatusOk;
    }

    std::string listingPath;
    HResult pathStatus = kStatusOk;
    std::array<WString, 3> contexts;
    int pathCalls = 0;
};

class FakeHost final : public IBraeHost {
public:
    HResult QueryInterface(const TarnId& id, void** out) override {
        if (id == kIdIUnknown || id == kIdIBraeHost) {
            *out = static_cast<IBraeHost*>(this);
            return kStatusOk;
        }
        return kStatusNoInterface;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }
    HResult RaiseEvent(const TarnId&, int32_t) override { return kStatusOk; }
    HResult GetService(const TarnId& id, void** out) override {
        *out = nullptr;
        if (id == kIdValueConversionService && offerValues) {
            *out = static_cast<IBraeValueConversion*>(&values);
        } else if (id == kIdLinkerSettingService && offerSettings) {
            *out = static_cast<IBraeLinkerSettings*>(&settings);
        } else {
            return kStatusNoInterface;
        }
        return kStatusOk;
    }
    HResult Advise(const TarnId&, IUnknown*) override { return kStatusOk; }
    HResult Unadvise(const TarnId&, IUnknown*) override { return kStatusOk; }

    tarnhost::ValueConversionService values;
    FakeLinkerSettings settings;
    bool offerValues = true;
    bool offerSettings = true;
};

}  // namespace testhost
