#include "host/lib/LinkerServices.h"

#include <filesystem>

#include "host/lib/Contexts.h"
#include "host/lib/ListingAdapter.h"
#include "host/lib/UserFiles.h"
#include "host/lib/WorkspaceElf.h"
#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

using tarnui::Utf16ToUtf8;
using tarnui::Utf8ToUtf16;

// Words of a text cut at a separator; runs of separators give no empty words.
std::vector<std::string> SplitWords(const std::string& text, char separator) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == separator)
            ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != separator)
            ++i;
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

// Reads one group through the component's interface.
bool PullGroup(IBraeLinkerSections* sections, int32_t number, bool wholeText,
               PlacementGroup* group) {
    int32_t addresses = 0;
    if (Failed(sections->GetAddressCount(number, &addresses))) {
        return false;
    }
    for (int32_t k = 1; k <= addresses; ++k) {
        WString start, end;
        if (Failed(sections->GetAddress(number, k, &start, &end))) {
            return false;
        }
        group->addresses.push_back({Utf16ToUtf8(start), Utf16ToUtf8(end)});
    }
    int32_t items = 0;
    if (Failed(sections->GetItemCount(number, &items))) {
        return false;
    }
    for (int32_t item = 1; item <= items; ++item) {
        HostStringList names;
        if (Failed(sections->GetItem(number, item, &names)) ||
            names.type != HostStringList::kArrayOfStrings) {
            return false;
        }
        if (wholeText) {
            group->sections =
                names.elements.empty() ? std::string() : Utf16ToUtf8(names.elements.front());
            continue;
        }
        if (item > 1) {
            group->sections += ':';
        }
        for (size_t n = 0; n < names.elements.size(); ++n) {
            if (n > 0) {
                group->sections += ',';
            }
            group->sections += Utf16ToUtf8(names.elements[n]);
        }
    }
    return true;
}

}  // namespace

LinkerSettingService::LinkerSettingService(Workspace& workspace)
    : HostObject(kIdLinkerSettingService), workspace_(workspace) {}

const PlacementGroup* LinkerSettingService::Group(const WString& workspace, const WString& project,
                                                  const WString& configuration, int32_t group) {
    if (!Contexts::Of(workspace_).MatchLinker(workspace, project, configuration)) {
        return nullptr;
    }
    const std::vector<PlacementGroup>& groups = Groups();
    if (group < 1 || static_cast<size_t>(group) > groups.size()) {
        return nullptr;
    }
    return &groups[static_cast<size_t>(group) - 1];
}

const std::vector<PlacementGroup>& LinkerSettingService::Groups() {
    // The groups are parsed once per workspace revision: a caller reads them one item at a
    // time, and parsing them all for every item would make a full read quadratic.
    if (!cacheValid_ || cacheRevision_ != workspace_.Revision()) {
        cache_ = workspace_.Groups();
        cacheRevision_ = workspace_.Revision();
        cacheValid_ = true;
    }
    return cache_;
}

HResult LinkerSettingService::GetGroupCount(const WString& workspace, const WString& project,
                                            const WString& configuration, int32_t* count) {
    if (count == nullptr ||
        !Contexts::Of(workspace_).MatchLinker(workspace, project, configuration)) {
        return kStatusFail;
    }
    *count = static_cast<int32_t>(Groups().size());
    return kStatusOk;
}

HResult LinkerSettingService::GetAddressCount(const WString& workspace, const WString& project,
                                              const WString& configuration, int32_t group,
                                              int32_t* count) {
    const PlacementGroup* g = Group(workspace, project, configuration, group);
    if (g == nullptr || count == nullptr) {
        return kStatusFail;
    }
    *count = static_cast<int32_t>(g->addresses.size());
    return kStatusOk;
}

HResult LinkerSettingService::GetAddressPair(const WString& workspace, const WString& project,
                                             const WString& configuration, int32_t group,
                                             int32_t address, WString* start, WString* end) {
    const PlacementGroup* g = Group(workspace, project, configuration, group);
    if (g == nullptr || start == nullptr || end == nullptr || address < 1 ||
        static_cast<size_t>(address) > g->addresses.size()) {
        return kStatusFail;
    }
    const auto& pair = g->addresses[static_cast<size_t>(address) - 1];
    *start = Utf8ToUtf16(pair.start);
    *end = Utf8ToUtf16(pair.end);
    return kStatusOk;
}

HResult LinkerSettingService::GetItemCount(const WString& workspace, const WString& project,
                                           const WString& configuration, int32_t group,
                                           int32_t* count) {
    const PlacementGroup* g = Group(workspace, project, configuration, group);
    if (g == nullptr || count == nullptr) {
        return kStatusFail;
    }
    if (workspace_.Capabilities() & kCapabilityWholeText) {
        *count = 1;
    } else {
        *count = static_cast<int32_t>(SplitWords(g->sections, ':').size());
    }
    return kStatusOk;
}

HResult LinkerSettingService::GetItem(const WString& workspace, const WString& project,
                                      const WString& configuration, int32_t group, int32_t item,
                                      HostStringList* names) {
    const PlacementGroup* g = Group(workspace, project, configuration, group);
    if (g == nullptr || names == nullptr) {
        return kStatusFail;
    }
    names->type = HostStringList::kArrayOfStrings;
    names->elements.clear();
    if (workspace_.Capabilities() & kCapabilityWholeText) {
        if (item != 1) {
            return kStatusFail;
        }
        names->elements.push_back(Utf8ToUtf16(g->sections));
        return kStatusOk;
    }
    const auto items = SplitWords(g->sections, ':');
    if (item < 1 || static_cast<size_t>(item) > items.size()) {
        return kStatusFail;
    }
    for (const auto& name : SplitWords(items[static_cast<size_t>(item) - 1], ',')) {
        names->elements.push_back(Utf8ToUtf16(name));
    }
    return kStatusOk;
}

HResult LinkerSettingService::GetMapListingPath(const WString& workspace, const WString& project,
                                                const WString& configuration, WString* path) {
    if (path == nullptr ||
        !Contexts::Of(workspace_).MatchLinker(workspace, project, configuration)) {
        return kStatusFail;
    }
    listingError_.clear();
    std::string listing = workspace_.MapListingPath();
    std::error_code ec;
    if (const auto plain = PlainMapPath(workspace_);
        plain && std::filesystem::is_regular_file(*plain, ec)) {
        const std::string adapted = ListingForComponent(
            *plain, LinkedElfPath(workspace_), UserCacheDir() + "/listings", &listingError_);
        if (adapted != *plain) {
            listing = adapted;
        }
    }
    *path = Utf8ToUtf16(listing);
    return kStatusOk;
}

LinkerOptionService::LinkerOptionService(Workspace& workspace, std::function<void()> settingsTaken)
    : HostObject(kIdLinkerOptionService),
      workspace_(workspace),
      settingsTaken_(std::move(settingsTaken)) {}

HResult LinkerOptionService::TakeSectionSettings(const WString& workspace, const WString& project,
                                                 const WString& configuration,
                                                 IBraeLinkerSections* sections) {
    lastError_.clear();
    if (sections == nullptr ||
        !Contexts::Of(workspace_).MatchLinker(workspace, project, configuration)) {
        lastError_ = "the section settings name another workspace";
        return kStatusFail;
    }
    if (workspace_.SettingState() != 0) {
        lastError_ = "the linker options take the section settings from a subcommand file";
        return kStatusFail;
    }
    const bool wholeText = (workspace_.Capabilities() & kCapabilityWholeText) != 0;
    int32_t count = 0;
    if (Failed(sections->GetGroupCount(&count)) || count < 0) {
        lastError_ = "the group count could not be read";
        return kStatusFail;
    }
    std::vector<PlacementGroup> groups(static_cast<size_t>(count));
    for (int32_t g = 1; g <= count; ++g) {
        if (!PullGroup(sections, g, wholeText, &groups[static_cast<size_t>(g) - 1])) {
            lastError_ = "group " + std::to_string(g) + " could not be read";
            return kStatusFail;
        }
    }
    if (!workspace_.SetGroups(groups, &lastError_)) {
        return kStatusFail;
    }
    if (settingsTaken_) {
        settingsTaken_();
    }
    return kStatusOk;
}

HResult LinkerOptionService::GetCapabilities(const WString& workspace, const WString& project,
                                             uint32_t* word, uint32_t* second) {
    const Contexts contexts = Contexts::Of(workspace_);
    if (word == nullptr || second == nullptr || workspace != contexts.workspace ||
        project != contexts.project) {
        return kStatusFail;
    }
    *word = workspace_.Capabilities();
    *second = workspace_.CapabilityValue2();
    return kStatusOk;
}

HResult LinkerOptionService::GetSettingState(const WString& workspace, const WString& project,
                                             const WString& configuration, int32_t* state) {
    if (state == nullptr ||
        !Contexts::Of(workspace_).MatchLinker(workspace, project, configuration)) {
        return kStatusFail;
    }
    *state = workspace_.SettingState();
    return kStatusOk;
}

}  // namespace tarnhost
