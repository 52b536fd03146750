// A host for the benchmarks: the real value conversion service and a linker setting service
// that names one map listing.
#pragma once

#include <string>

#include "host/lib/ValueConversion.h"
#include "src/shell/HostInterfaces.h"

namespace benchsupport {

class BenchLinkerSettings final : public tarnhost::HostObject<IBraeLinkerSettings> {
public:
    BenchLinkerSettings();
    HResult GetGroupCount(const WString&, const WString&, const WString&, int32_t*) override;
    HResult GetAddressCount(const WString&, const WString&, const WString&, int32_t,
                            int32_t*) override;
    HResult GetAddressPair(const WString&, const WString&, const WString&, int32_t, int32_t,
                           WString*, WString*) override;
    HResult GetItemCount(const WString&, const WString&, const WString&, int32_t,
                         int32_t*) override;
    HResult GetItem(const WString&, const WString&, const WString&, int32_t, int32_t,
                    HostStringList*) override;
    HResult GetMapListingPath(const WString&, const WString&, const WString&,
                              WString* path) override;

    std::string listingPath;
};

class BenchHost final : public IBraeHost {
public:
    HResult QueryInterface(const TarnId& id, void** out) override;
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }
    HResult RaiseEvent(const TarnId&, int32_t) override { return kStatusOk; }
    HResult GetService(const TarnId& id, void** out) override;
    HResult Advise(const TarnId&, IUnknown*) override { return kStatusOk; }
    HResult Unadvise(const TarnId&, IUnknown*) override { return kStatusOk; }

    tarnhost::ValueConversionService values;
    BenchLinkerSettings settings;
};

}  // namespace benchsupport
