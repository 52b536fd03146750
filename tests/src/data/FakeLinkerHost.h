// A host whose linker setting and linker option services keep placement groups in memory.
// The option service pulls the groups through IBraeLinkerSections when it takes them, the way
// the real host does, and stores them back into the setting service. The setting service also
// answers the map listing path.
#pragma once

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "host/lib/BraeHost.h"
#include "host/lib/HostObject.h"
#include "host/lib/ValueConversion.h"
#include "platform/text/Utf.h"
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
    friend bool operator==(const Context&, const Context&) = default;
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
    std::string listingPath;
    HResult pathStatus = kStatusOk;

    HResult GetGroupCount(const WString& c1, const WString& c2, const WString& c3,
                          int32_t* count) override {
        return Call("GroupCount", 0, c1, c2, c3, [&] { *count = Size(groups); });
    }
    HResult GetAddressCount(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                            int32_t* count) override {
        return Call("AddressCount", group, c1, c2, c3, [&] { *count = Size(At(group).addresses); });
    }
    HResult GetAddressPair(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                           int32_t address, WString* start, WString* end) override {
        return Call("AddressPair", group, c1, c2, c3, [&] {
            std::tie(*start, *end) = At(group).addresses.at(static_cast<size_t>(address) - 1);
        });
    }
    HResult GetItemCount(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                         int32_t* count) override {
        ++itemCountCalls;
        return Call("ItemCount", group, c1, c2, c3, [&] { *count = Size(At(group).items); });
    }
    HResult GetItem(const WString& c1, const WString& c2, const WString& c3, int32_t group,
                    int32_t item, HostStringList* names) override {
        return Call("Item", group, c1, c2, c3, [&] {
            const auto& items = At(group).items;
            const bool known = item >= 1 && static_cast<size_t>(item) <= items.size();
            names->elements = known ? items[static_cast<size_t>(item) - 1] : std::vector<WString>{};
            if (failOperation == "BadListType" && failGroup == group)
                names->type = 8;
        });
    }
    HResult GetMapListingPath(const WString& c1, const WString& c2, const WString& c3,
                              WString* path) override {
        seen = {c1, c2, c3};
        if (Failed(pathStatus))
            return pathStatus;
        *path = tarnui::Utf8ToUtf16(listingPath);
        return kStatusOk;
    }

private:
    template <class Answer>
    HResult Call(const char* operation, int32_t group, const WString& c1, const WString& c2,
                 const WString& c3, Answer answer) {
        seen = {c1, c2, c3};
        ++calls;
        if (failOperation == operation && failGroup == group)
            return kStatusFail;
        answer();
        return kStatusOk;
    }
    template <class T>
    static int32_t Size(const std::vector<T>& list) {
        return static_cast<int32_t>(list.size());
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
        if (pullStatus == kStatusOk && takeStatus == kStatusOk)
            store_->groups = taken;
        return takeStatus;
    }
    HResult GetCapabilities(const WString& c1, const WString& c2, uint32_t* w,
                            uint32_t* s) override {
        capabilityContext = {c1, c2, WString()};
        if (capabilityStatus == kStatusOk)
            std::tie(*w, *s) = std::make_pair(word, second);
        return capabilityStatus;
    }
    HResult GetSettingState(const WString&, const WString&, const WString&, int32_t* out) override {
        if (stateStatus == kStatusOk)
            *out = state;
        return stateStatus;
    }

private:
    std::vector<HostGroup> Pull(IBraeLinkerSections& sections) {
        std::vector<HostGroup> groups;
        int32_t count = 0;
        Note(sections.GetGroupCount(&count));
        for (int32_t g = 1; g <= count; ++g) {
            HostGroup& group = groups.emplace_back();
            int32_t addresses = 0, items = 0;
            Note(sections.GetAddressCount(g, &addresses));
            for (int32_t k = 1; k <= addresses; ++k) {
                auto& [start, end] = group.addresses.emplace_back();
                Note(sections.GetAddress(g, k, &start, &end));
            }
            Note(sections.GetItemCount(g, &items));
            for (int32_t i = 1; i <= items; ++i) {
                HostStringList names;
                Note(sections.GetItem(g, i, &names));
                group.items.push_back(names.elements);
            }
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
    tarnhost::BraeHost host;
    tarnhost::ValueConversionService conversion;
    FakeLinkerSettings settings;
    FakeLinkerOptions options{&settings};

    explicit LinkerHost(bool withSettings = true, bool withOptions = true,
                        bool withConversion = true) {
        if (withConversion)
            host.AddService<IBraeValueConversion>(kIdValueConversionService, &conversion);
        if (withSettings)
            host.AddService<IBraeLinkerSettings>(kIdLinkerSettingService, &settings);
        if (withOptions)
            host.AddService<IBraeLinkerOptions>(kIdLinkerOptionService, &options);
    }
};

}  // namespace fakehost
