// A host for the memory map model in tests, fuzz targets and benchmarks: the memory resource
// service keeps the description in memory, value conversion is the real host service, and
// every raised event is recorded.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "host/lib/HostObject.h"
#include "host/lib/ValueConversion.h"
#include "platform/text/Utf.h"

namespace tarntest {

class FakeMemoryResourceService final : public tarnhost::HostObject<IBraeMemoryResources> {
public:
    FakeMemoryResourceService() : HostObject(kIdMemoryResourceService) {}

    HResult ReadDescription(const WString& c1, const WString& c2, const WString& c3,
                            WString* description) override {
        readContext = {c1, c2, c3};
        if (Failed(readStatus)) {
            return readStatus;
        }
        *description = tarnui::Utf8ToUtf16(text);
        return kStatusOk;
    }
    HResult WriteDescription(const WString& c1, const WString& c2, const WString& c3,
                             const WString& description) override {
        writeContext = {c1, c2, c3};
        text = tarnui::Utf16ToUtf8(description);
        writes.push_back(text);
        return kStatusOk;
    }

    std::string text;  // the description, UTF-8
    HResult readStatus = kStatusOk;
    std::array<WString, 3> readContext;
    std::array<WString, 3> writeContext;
    std::vector<std::string> writes;
};

class FakeMemoryHost final : public tarnhost::HostObject<IBraeHost> {
public:
    FakeMemoryHost() : HostObject(kIdIBraeHost) {}
    explicit FakeMemoryHost(std::string description) : FakeMemoryHost() {
        memory.text = std::move(description);
    }

    HResult RaiseEvent(const TarnId& event, int32_t value) override {
        events.emplace_back(event, value);
        return kStatusOk;
    }
    HResult GetService(const TarnId& service, void** out) override {
        *out = nullptr;
        if (service == kIdMemoryResourceService && offerMemory) {
            *out = static_cast<IBraeMemoryResources*>(&memory);
        } else if (service == kIdValueConversionService && offerConversion) {
            *out = static_cast<IBraeValueConversion*>(&conversion);
        } else {
            return kStatusNoInterface;
        }
        return kStatusOk;
    }
    HResult Advise(const TarnId&, IUnknown*) override { return kStatusOk; }
    HResult Unadvise(const TarnId&, IUnknown*) override { return kStatusOk; }

    FakeMemoryResourceService memory;
    tarnhost::ValueConversionService conversion;
    bool offerMemory = true;
    bool offerConversion = true;
    std::vector<std::pair<TarnId, int32_t>> events;
};

}  // namespace tarntest
