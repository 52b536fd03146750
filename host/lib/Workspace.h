// A workspace of the substitute host, backed by a workspace file (see README, "Workspace
// file"). It answers the host services' questions and writes their changes back atomically,
// keeping every part of the file that it did not change.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/lib/WorkspaceFile.h"

namespace tarnhost {

// One section placement group: its addresses (start and optional end texts) and its
// section text ("P,C:D" item by item, or the whole text with parentheses).
struct PlacementGroup {
    struct Address {
        std::string start;
        std::string end;  // empty: no end address
        friend bool operator==(const Address&, const Address&) = default;
    };
    std::vector<Address> addresses;
    std::string sections;
    friend bool operator==(const PlacementGroup&, const PlacementGroup&) = default;
};

struct SourceLocation {
    std::string file;
    int32_t line = 0;
};

class Workspace {
public:
    // Reads a workspace file; on failure returns null and sets error to "PATH:LINE: what".
    static std::unique_ptr<Workspace> Open(const std::string& path, std::string* error);
    // A workspace held in memory only, whose map listing is the given file (and whose linked
    // ELF file is elfPath, when not empty).
    static std::unique_ptr<Workspace> ForListing(const std::string& listingPath,
                                                 const std::string& elfPath = {});

    const std::string& Path() const { return path_; }
    bool IsInMemory() const { return path_.empty(); }

    // The four context strings: workspace, project, configuration and device names.
    std::string WorkspaceName() const;
    std::string ProjectName() const;
    std::string ConfigName() const;
    std::string DeviceName() const;
    // Absolute directories; relative ones in the file are taken from the file's directory.
    std::string WorkspaceDir() const;
    std::string ProjectDir() const;
    std::string ConfigDir() const;

    // The map listing path as written (placeholders kept); a plain relative path is made
    // absolute against the workspace directory.
    std::string MapListingPath() const;
    // The linked ELF file ("[linker] elf"), absolute; empty when the workspace names none.
    std::string ElfPath() const;
    uint32_t Capabilities() const;
    uint32_t CapabilityValue2() const;
    int32_t SettingState() const;

    std::vector<PlacementGroup> Groups() const;
    // Counts the changes taken since the workspace was opened: equal revisions, equal answers.
    uint64_t Revision() const { return revision_; }
    bool SetGroups(const std::vector<PlacementGroup>& groups, std::string* error);

    std::string MemoryDescription() const;
    bool SetMemoryDescription(const std::string& description, std::string* error);

    std::vector<std::pair<std::string, std::string>> CustomPlaceholders() const;
    // The "file:line" of an address in the [sources] table; the file as written (placeholders
    // and relative paths kept).
    std::optional<SourceLocation> SourceOf(uint32_t address) const;

    // Problems found in values (not syntax) while opening, e.g. a capability word that is
    // not a number; each names the key.
    const std::vector<std::string>& Warnings() const { return warnings_; }

private:
    Workspace() = default;
    std::string Get(const char* section, const char* key, const std::string& fallback) const;
    uint32_t GetNumber(const char* section, const char* key, uint32_t fallback) const;
    std::string Resolve(const std::string& dir) const;
    // Writes the file with the change applied, or leaves file and model as they were.
    bool Commit(WorkspaceFile changed, std::string* error);

    std::string path_;  // empty for an in-memory workspace
    std::string baseDir_;
    WorkspaceFile file_;
    std::vector<std::string> warnings_;
    uint64_t revision_ = 0;
};

}  // namespace tarnhost
