// A host whose linker setting and linker option services keep placement groups in memory.
// The option service pulls the groups through IBraeLinkerSections when it takes them, the way
// the real host does, and stores them back into the setting service.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/lib/HostObject.h"
#include "host/lib/ValueConversion.h"
#include "src/shell/HostIds.h"
#include "src/shell/HostInterfaces.h"

namespace fakehost {

struct HostGroup {
    std::vector<std::pair<WString, WString>> addresses;  // start, end
    std::vector<std::vector<WString>> items;             // whole text: one item, one string
    friend bool operator==(const HostGroup&, const HostGroup&) = default;
};

struct Context {
    WString c1, c2, c3;
};

class FakeHost final : public tarnhost::HostObject<IBraeHost> {
public:
    FakeHost() : HostObject(kIdIBraeHost) {}

    template <class Interface>
    void Offer(const TarnId& id, Interface* service) {
        services_.emplace_back(id, static_cast<void*>(service));
    }

    HResult RaiseEvent(const TarnId&, int32_t) override { return kStatusOk; }
    HResult GetService(const TarnId& id, void** out) override {
        for (const auto& [key, service] : services_) {
            if (key == id) {
                *out = service;
                return kStatusOk;
            }
        }
        *out = nullptr;
        return kStatusFail;
    }
    HResult Advise(const TarnId&, IUnknown*) override { return kStatusOk; }
    HResult Unadvise(const TarnId&, IUnknown*) override { return kStatusOk; }

private:
    std::vector<std::pair<TarnId, void*>> services_;
};

class FakeLinkerSettings final : public tarnhost::HostObject<IBraeLinkerSettings> {
public:
    FakeLinkerSettings() : HostObject(kIdLinkerSettingService) {}

    std::vector<HostGroup> groups;
    // A call of this operation ("GroupCount", "AddressCount", "AddressPair", "ItemCount",
    // "Item") for failGroup fails; "BadListType" hands out a list of the wrong type.
    std::string failOperation;
    int32_t failGroup = 0;
    Context seen;
    int calls = 0;
    int itemCountCalls = 0;

    HResult GetGroupCount(const WString& c1, const WString& c2, const WString& c3,
                          int32_t* count) override {
        Record(c1, c2, c3);
        if (failOperation == "GroupCount")
            return kStatusFail;
        *count = static_cast<int32_t>(groups.size());
        return kStatusOk;
    }
    HResult GetAddressCount(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                            int32_t* count) override {
        Record(c1, c2, c3);
        if (Fails("AddressCount", group))
            return kStatusFail;
        *count = static_cast<int32_t>(At(group).addresses.size());
        return kStatusOk;
    }
    HResult GetAddressPair(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                           int32_t address, WString* start, WString* end) override {
        Record(c1, c2, c3);
        if (Fails("AddressPair", group))
            return kStatusFail;
        const auto& pair = At(group).addresses.at(static_cast<size_t>(address) - 1);
        *start = pair.first;
        *end = pair.second;
        return kStatusOk;
    }
    HResult GetItemCount(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                         int32_t* count) override {
        Record(c1, c2, c3);
        ++itemCountCalls;
        if (Fails("ItemCount", group))
            return kStatusFail;
        *count = static_cast<int32_t>(At(group).items.size());
        return kStatusOk;
    }
    HResult GetItem(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                    int32_t item, HostStringList* names) override {
        Record(c1, c2, c3);
        if (Fails("Item", group))
            return kStatusFail;
        const auto& items = At(group).items;
        names->elements.clear();
        if (item >= 1 && static_cast<size_t>(item) <= items.size()) {
            names->elements = items[static_cast<size_t>(item) - 1];
        }
        if (Fails("BadListType", group))
            names->type = 8;
        return kStatusOk;
    }
    HResult GetMapListingPath(const WString&, const WString&, const WString&, WString*) override {
        return kStatusFail;
    }

private:
    void Record(const WString& c1, const WString& c2, const WString& c3) {
        seen = {c1, c2, c3};
        ++calls;
    }
    bool Fails(const std::string& operation, int32_t group) const {
        return failOperation == operation && failGroup == group;
    }
    const HostGroup& At(int32_t group) const { return groups.at(static_cast<size_t>(group) - 1); }
};

class FakeLinkerOptions final : public tarnhost::HostObject<IBraeLinkerOptions> {
public:
    explicit FakeLinkerOptions(FakeLinkerSettings* store)
        : HostObject(kIdLinkerOptionService), store_(store) {}

    uint32_t word = 0;
    uint32_t second = 0;
    HResult capabilityStatus = kStatusOk;
    int32_t state = 0;
    HResult stateStatus = kStatusOk;
    HResult takeStatus = kStatusOk;
    Context capabilityContext;
    Context takeContext;
    int takeCalls = 0;
    std::vector<HostGroup> taken;
    HResult pullStatus = kStatusOk;  // first failure seen while pulling

    HResult TakeSectionSettings(const WString& c1, const WString& c2, const WString& c3,
                                IBraeLinkerSections* sections) override {
        takeContext = {c1, c2, c3};
        ++takeCalls;
        taken = Pull(*sections);
        if (pullStatus == kStatusOk && takeStatus == kStatusOk && store_ != nullptr) {
            store_->groups = taken;
        }
        return takeStatus;
    }
    HResult GetCapabilities(const WString& c1, const WString& c2, uint32_t* w,
                            uint32_t* s) override {
        capabilityContext = {c1, c2, WString()};
        if (capabilityStatus != kStatusOk)
            return capabilityStatus;
        *w = word;
        *s = second;
        return kStatusOk;
    }
    HResult GetSettingState(const WString&, const WString&, const WString&, int32_t* out) override {
        if (stateStatus != kStatusOk)
            return stateStatus;
        *out = state;
        return kStatusOk;
    }

private:
    std::vector<HostGroup> Pull(IBraeLinkerSections& sections) {
        std::vector<HostGroup> groups;
        int32_t count = 0;
        Note(sections.GetGroupCount(&count));
        for (int32_t g = 1; g <= count; ++g) {
            HostGroup group;
            int32_t addresses = 0;
            Note(sections.GetAddressCount(g, &addresses));
            for (int32_t k = 1; k <= addresses; ++k) {
                WString start, end;
                Note(sections.GetAddress(g, k, &start, &end));
                group.addresses.emplace_back(start, end);
            }
            int32_t items = 0;
            Note(sections.GetItemCount(g, &items));
            for (int32_t i = 1; i <= items; ++i) {
                HostStringList names;
                Note(sections.GetItem(g, i, &names));
                group.items.push_back(names.elements);
            }
            groups.push_back(std::move(group));
        }
        return groups;
    }
    void Note(HResult status) {
        if (status != kStatusOk && pullStatus == kStatusOk)
            pullStatus = status;
    }

    FakeLinkerSettings* store_;
};

// A host offering the value conversion service and, on request, the two linker services.
struct LinkerHost {
    FakeHost host;
    tarnhost::ValueConversionService conversion;
    FakeLinkerSettings settings;
    FakeLinkerOptions options{&settings};

    explicit LinkerHost(bool withSettings = true, bool withOptions = true,
                        bool withConversion = true) {
        if (withConversion)
            host.Offer<IBraeValueConversion>(kIdValueConversionService, &conversion);
        if (withSettings)
            host.Offer<IBraeLinkerSettings>(kIdLinkerSettingService, &settings);
        if (withOptions)
            host.Offer<IBraeLinkerOptions>(kIdLinkerOptionService, &options);
    }
};

}  // namespace fakehost
