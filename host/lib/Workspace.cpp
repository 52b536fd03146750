#include "host/lib/Workspace.h"

#include <algorithm>
#include <filesystem>

#include "host/lib/ValueConversion.h"
#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

namespace fs = std::filesystem;

bool ParseHex(const std::string& text, uint32_t* value) {
    return ParseNumber(tarnui::Utf8ToUtf16(text), 16, value) == kStatusOk;
}

PlacementGroup::Address ParseAddress(const std::string& text) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos) {
        return {text, {}};
    }
    auto trim = [](std::string s) {
        const size_t a = s.find_first_not_of(" \t");
        const size_t b = s.find_last_not_of(" \t");
        return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
    };
    return {trim(text.substr(0, dash)), trim(text.substr(dash + 1))};
}

// The first start address of a group section as written, or nothing.
std::string FirstStart(const WorkspaceSection& section) {
    const auto address = section.Find("address");
    return address ? ParseAddress(*address).start : std::string();
}

// Two start address texts name the same address: equal numbers, or equal texts where either is
// not a number.
bool SameAddress(const std::string& a, const std::string& b) {
    uint32_t x = 0;
    uint32_t y = 0;
    if (ParseHex(a, &x) && ParseHex(b, &y)) {
        return x == y;
    }
    return a == b;
}

WorkspaceLine Entry(std::string key, std::string value) {
    return {WorkspaceLine::Kind::Entry, {}, std::move(key), std::move(value)};
}

// Puts the group's addresses and section text where the old ones stood (after the last entry
// in a new section), so that the other lines keep their places.
void ReplaceGroupEntries(WorkspaceSection& section, const PlacementGroup& group) {
    auto isGroupEntry = [](const WorkspaceLine& line) {
        return line.kind == WorkspaceLine::Kind::Entry &&
               (line.key == "address" || line.key == "sections");
    };
    auto& lines = section.lines;
    auto at = std::find_if(lines.begin(), lines.end(), isGroupEntry);
    if (at == lines.end()) {
        // After the last entry, so that trailing blank lines stay between sections.
        at = std::find_if(lines.rbegin(), lines.rend(), [](const WorkspaceLine& line) {
                 return line.kind == WorkspaceLine::Kind::Entry;
             }).base();
    }
    std::vector<WorkspaceLine> entries;
    for (const auto& address : group.addresses) {
        entries.push_back(Entry(
            "address", address.end.empty() ? address.start : address.start + "-" + address.end));
    }
    entries.push_back(Entry("sections", group.sections));
    // Nothing before the first address or section text is removed, so the place holds.
    const auto offset = at - lines.begin();
    std::erase_if(lines, isGroupEntry);
    lines.insert(lines.begin() + offset, entries.begin(), entries.end());
}

// For each new group, the index of the old group section it continues, or -1. A group is known
// by its first start address. Groups left over pair up in order when as many old as new ones
// are left (their addresses were edited); otherwise they are new, and the old ones deleted.
std::vector<int> MatchOldGroups(const std::vector<const WorkspaceSection*>& old,
                                const std::vector<PlacementGroup>& groups) {
    std::vector<int> from(groups.size(), -1);
    std::vector<bool> taken(old.size(), false);
    for (size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].addresses.empty() || groups[i].addresses.front().start.empty()) {
            continue;
        }
        for (size_t j = 0; j < old.size(); ++j) {
            const std::string start = FirstStart(*old[j]);
            if (!taken[j] && !start.empty() &&
                SameAddress(start, groups[i].addresses.front().start)) {
                from[i] = static_cast<int>(j);
                taken[j] = true;
                break;
            }
        }
    }
    std::vector<size_t> newLeft;
    std::vector<size_t> oldLeft;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (from[i] < 0) {
            newLeft.push_back(i);
        }
    }
    for (size_t j = 0; j < old.size(); ++j) {
        if (!taken[j]) {
            oldLeft.push_back(j);
        }
    }
    if (newLeft.size() == oldLeft.size()) {
        for (size_t k = 0; k < newLeft.size(); ++k) {
            from[newLeft[k]] = static_cast<int>(oldLeft[k]);
        }
    }
    return from;
}

}  // namespace

std::unique_ptr<Workspace> Workspace::Open(const std::string& path, std::string* error) {
    std::string text;
    if (!ReadTextFile(path, &text, error)) {
        return nullptr;
    }
    std::unique_ptr<Workspace> workspace(new Workspace);
    std::string parseError;
    if (!workspace->file_.Parse(text, &parseError)) {
        *error = path + ":" + parseError;
        return nullptr;
    }
    workspace->path_ = path;
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    workspace->baseDir_ =
        (ec ? fs::path(path) : absolute).parent_path().lexically_normal().string();
    for (const char* key : {"capabilities", "capability-value2", "setting-state"}) {
        const auto value = workspace->file_.FindSection("linker")
                               ? workspace->file_.FindSection("linker")->Find(key)
                               : std::nullopt;
        uint32_t number = 0;
        if (value && !ParseHex(*value, &number)) {
            workspace->warnings_.push_back(path + ": [linker] " + key + " = \"" + *value +
                                           "\" is not a hexadecimal number; 0 is used");
        }
    }
    return workspace;
}

std::unique_ptr<Workspace> Workspace::ForListing(const std::string& listingPath,
                                                 const std::string& elfPath) {
    std::unique_ptr<Workspace> workspace(new Workspace);
    std::error_code ec;
    const fs::path absolute = fs::absolute(listingPath, ec);
    workspace->baseDir_ = (ec ? fs::path(listingPath) : absolute).parent_path().string();
    auto& names = workspace->file_.Section("workspace");
    names.Set("name", "listing");
    workspace->file_.Section("linker").Set("map", (ec ? fs::path(listingPath) : absolute).string());
    if (!elfPath.empty()) {
        const fs::path elf = fs::absolute(elfPath, ec);
        workspace->file_.Section("linker").Set("elf", (ec ? fs::path(elfPath) : elf).string());
    }
    return workspace;
}

std::string Workspace::Get(const char* section, const char* key,
                           const std::string& fallback) const {
    if (const auto* s = file_.FindSection(section)) {
        if (auto value = s->Find(key)) {
            return *value;
        }
    }
    return fallback;
}

uint32_t Workspace::GetNumber(const char* section, const char* key, uint32_t fallback) const {
    const std::string text = Get(section, key, {});
    uint32_t value = 0;
    if (text.empty()) {
        return fallback;
    }
    return ParseHex(text, &value) ? value : 0;
}

std::string Workspace::Resolve(const std::string& dir) const {
    if (dir.empty()) {
        return baseDir_;
    }
    const fs::path p(dir);
    return (p.is_absolute() ? p : fs::path(baseDir_) / p).lexically_normal().string();
}

std::string Workspace::WorkspaceName() const {
    return Get("workspace", "name", {});
}
std::string Workspace::ProjectName() const {
    return Get("project", "name", {});
}
std::string Workspace::ConfigName() const {
    return Get("configuration", "name", {});
}
std::string Workspace::DeviceName() const {
    return Get("device", "name", {});
}
std::string Workspace::WorkspaceDir() const {
    return Resolve(Get("workspace", "directory", {}));
}

std::string Workspace::ProjectDir() const {
    const std::string dir = Get("project", "directory", {});
    return dir.empty() ? WorkspaceDir() : Resolve(dir);
}

std::string Workspace::ConfigDir() const {
    const std::string dir = Get("configuration", "directory", {});
    return dir.empty() ? ProjectDir() : Resolve(dir);
}

std::string Workspace::MapListingPath() const {
    const std::string path = Get("linker", "map", {});
    if (path.empty() || path.find("$(") != std::string::npos || path.front() == '"' ||
        fs::path(path).is_absolute()) {
        return path;
    }
    return (fs::path(baseDir_) / path).lexically_normal().string();
}

std::string Workspace::ElfPath() const {
    const std::string path = Get("linker", "elf", {});
    return path.empty() ? path : Resolve(path);
}

uint32_t Workspace::Capabilities() const {
    return GetNumber("linker", "capabilities", 0);
}
uint32_t Workspace::CapabilityValue2() const {
    return GetNumber("linker", "capability-value2", 0);
}
int32_t Workspace::SettingState() const {
    return static_cast<int32_t>(GetNumber("linker", "setting-state", 0));
}

std::vector<PlacementGroup> Workspace::Groups() const {
    std::vector<PlacementGroup> groups;
    for (const auto* section : file_.FindSections("group")) {
        PlacementGroup group;
        for (const auto& address : section->FindAll("address")) {
            group.addresses.push_back(ParseAddress(address));
        }
        group.sections = section->Find("sections").value_or(std::string());
        groups.push_back(std::move(group));
    }
    return groups;
}

bool Workspace::SetGroups(const std::vector<PlacementGroup>& groups, std::string* error) {
    // Comments and keys other than address and sections (an owner a user wrote, say) belong
    // to their group: they stay with it and go when it is deleted.
    const auto old = file_.FindSections("group");
    const std::vector<int> from = MatchOldGroups(old, groups);
    std::vector<WorkspaceSection> sections;
    for (size_t i = 0; i < groups.size(); ++i) {
        WorkspaceSection section{"group", {}, {}};
        if (from[i] >= 0) {
            section = *old[static_cast<size_t>(from[i])];
        }
        ReplaceGroupEntries(section, groups[i]);
        if (section.lines.empty() || section.lines.back().kind != WorkspaceLine::Kind::Blank) {
            section.lines.push_back({});
        }
        sections.push_back(std::move(section));
    }
    WorkspaceFile changed = file_;
    changed.ReplaceSections("group", std::move(sections));
    return Commit(std::move(changed), error);
}

std::string Workspace::MemoryDescription() const {
    return Get("memory", "description", {});
}

bool Workspace::SetMemoryDescription(const std::string& description, std::string* error) {
    if (description.find('\n') != std::string::npos) {
        *error = "a memory resource description is one line";
        return false;
    }
    WorkspaceFile changed = file_;
    changed.Section("memory").Set("description", description);
    return Commit(std::move(changed), error);
}

std::vector<std::pair<std::string, std::string>> Workspace::CustomPlaceholders() const {
    const auto* section = file_.FindSection("placeholders");
    return section != nullptr ? section->Entries()
                              : std::vector<std::pair<std::string, std::string>>{};
}

std::optional<SourceLocation> Workspace::SourceOf(uint32_t address) const {
    const auto* section = file_.FindSection("sources");
    if (section == nullptr) {
        return std::nullopt;
    }
    for (const auto& line : section->lines) {
        uint32_t value = 0;
        if (line.kind != WorkspaceLine::Kind::Entry || !ParseHex(line.key, &value) ||
            value != address) {
            continue;
        }
        const size_t colon = line.value.rfind(':');
        SourceLocation location{line.value, 0};
        if (colon != std::string::npos) {
            location.file = line.value.substr(0, colon);
            location.line = std::atoi(line.value.c_str() + colon + 1);
        }
        return location;
    }
    return std::nullopt;
}

bool Workspace::Commit(WorkspaceFile changed, std::string* error) {
    const std::string text = changed.Render();
    // A change that leaves the text as it was is no change: the file is not even rewritten.
    if (text == file_.Render()) {
        return true;
    }
    if (!IsInMemory() && !WriteFileAtomically(path_, text, error)) {
        return false;
    }
    file_ = std::move(changed);
    ++revision_;
    return true;
}

}  // namespace tarnhost
