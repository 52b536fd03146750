// The text file behind a workspace: "[section]" headers, "key = value" lines, "#" or ";"
// comments and blank lines. Sections may repeat (one "[group]" per placement group).
// The file is kept line by line so that a rewrite changes only what the host changed:
// unknown sections, unknown keys, comments and blank lines all survive.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnhost {

struct WorkspaceLine {
    enum class Kind { Blank, Comment, Entry };
    Kind kind = Kind::Blank;
    std::string text;   // Blank and Comment: the line as written
    std::string key;    // Entry
    std::string value;  // Entry
};

struct WorkspaceSection {
    std::string name;
    std::vector<WorkspaceLine> lines;
    // The comments above the header (with the blank lines among and after them): what stood
    // after the last entry of the section before, from its first comment on. They belong to
    // this section, so they go wherever it goes.
    std::vector<WorkspaceLine> leading;

    // The value of the first entry with the key, or nothing.
    std::optional<std::string> Find(std::string_view key) const;
    // Every value of the key, in order.
    std::vector<std::string> FindAll(std::string_view key) const;
    // Sets the first entry with the key (appends one when there is none).
    void Set(std::string_view key, std::string_view value);
    // Removes every entry with the key.
    void Remove(std::string_view key);
    void Add(std::string_view key, std::string_view value);
    // Every entry as (key, value), in order.
    std::vector<std::pair<std::string, std::string>> Entries() const;
};

class WorkspaceFile {
public:
    // Parses text; on a malformed line returns false and sets error to "LINE: what".
    bool Parse(std::string_view text, std::string* error);
    std::string Render() const;

    // Lines before the first section header (comments and blanks only).
    std::vector<WorkspaceLine>& Preamble() { return preamble_; }

    WorkspaceSection* FindSection(std::string_view name);
    const WorkspaceSection* FindSection(std::string_view name) const;
    std::vector<const WorkspaceSection*> FindSections(std::string_view name) const;
    // The first section of the name, appended at the end when there is none.
    WorkspaceSection& Section(std::string_view name);
    // Replaces every section of the name by the given ones, placed where the first of the old
    // ones stood (at the end when there was none).
    void ReplaceSections(std::string_view name, std::vector<WorkspaceSection> replacement);

private:
    std::vector<WorkspaceLine> preamble_;
    std::vector<WorkspaceSection> sections_;
};

// Reads a whole file. Returns false and sets error to the path and the system's reason when
// it cannot be read.
bool ReadTextFile(const std::string& path, std::string* text, std::string* error);
// Writes a file atomically: a temporary file beside it, flushed, then renamed over it. A
// symbolic link is followed, so the file it names is replaced and the link stays; the new file
// keeps the old one's permissions (and owner where allowed). Every file the host writes goes
// through here. On failure the old file is left whole and error gives the system's reason.
bool WriteFileAtomically(const std::string& path, std::string_view text, std::string* error);

}  // namespace tarnhost
