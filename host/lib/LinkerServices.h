// The linker setting service (placement groups, map listing path) and the linker option
// service (capability word, setting state, taking the section settings), both backed by
// the workspace.
#pragma once

#include <functional>
#include <string>

#include "host/lib/HostObject.h"
#include "host/lib/Workspace.h"

namespace tarnhost {

inline constexpr uint32_t kCapabilityWholeText = 2;

class LinkerSettingService final : public HostObject<IBraeLinkerSettings> {
public:
    explicit LinkerSettingService(Workspace& workspace);

    HResult GetGroupCount(const WString& workspace, const WString& project,
                          const WString& configuration, int32_t* count) override;
    HResult GetAddressCount(const WString& workspace, const WString& project,
                            const WString& configuration, int32_t group, int32_t* count) override;
    HResult GetAddressPair(const WString& workspace, const WString& project,
                           const WString& configuration, int32_t group, int32_t address,
                           WString* start, WString* end) override;
    HResult GetItemCount(const WString& workspace, const WString& project,
                         const WString& configuration, int32_t group, int32_t* count) override;
    HResult GetItem(const WString& workspace, const WString& project, const WString& configuration,
                    int32_t group, int32_t item, HostStringList* names) override;
    // A GNU ld or lld map file is answered with the path of its conversion into the
    // component's listing format (see ListingAdapter).
    HResult GetMapListingPath(const WString& workspace, const WString& project,
                              const WString& configuration, WString* path) override;

    // Why the last map file could not be converted; empty when it was.
    const std::string& ListingError() const { return listingError_; }

private:
    // The group of a number counted from 1, or null when the call does not name the open
    // workspace or the number is out of range.
    const PlacementGroup* Group(const WString& workspace, const WString& project,
                                const WString& configuration, int32_t group);
    // The workspace's groups, parsed again only after the workspace changed.
    const std::vector<PlacementGroup>& Groups();

    Workspace& workspace_;
    std::vector<PlacementGroup> cache_;
    std::string listingError_;
    uint64_t cacheRevision_ = 0;
    bool cacheValid_ = false;
};

class LinkerOptionService final : public HostObject<IBraeLinkerOptions> {
public:
    // settingsTaken runs after the settings were taken and written (the host then tells its
    // components that the section settings changed).
    LinkerOptionService(Workspace& workspace, std::function<void()> settingsTaken);

    HResult TakeSectionSettings(const WString& workspace, const WString& project,
                                const WString& configuration,
                                IBraeLinkerSections* sections) override;
    HResult GetCapabilities(const WString& workspace, const WString& project, uint32_t* word,
                            uint32_t* second) override;
    HResult GetSettingState(const WString& workspace, const WString& project,
                            const WString& configuration, int32_t* state) override;

    // Why the last take failed, for the front end to show.
    const std::string& LastError() const { return lastError_; }

private:
    Workspace& workspace_;
    std::function<void()> settingsTaken_;
    std::string lastError_;
};

}  // namespace tarnhost
