// A file of numbers and strings by section and key in the workspace file format (see
// StoreText.h for how names and values are written), held in memory and written back
// atomically after every change. Lines the store does not change, comments and unknown
// entries included, survive every write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/lib/WorkspaceFile.h"

namespace tarnhost {

class KeyValueStore {
public:
    // Loads the file at path; a file that does not exist yet is an empty store. An empty
    // path keeps the store in memory only. A file that cannot be read or parsed is never
    // overwritten: the store then answers nothing and refuses every change.
    explicit KeyValueStore(std::string path);

    // Sections and keys are names as they stand in the file (escaped with EscapeName).
    // A get answers nothing when the entry is absent or holds a value of the other kind.
    std::optional<int32_t> GetNumber(std::string_view section, std::string_view key) const;
    std::optional<std::string> GetString(std::string_view section, std::string_view key) const;
    // Writes the file with the entry set; on failure file and store stay as they were.
    bool SetNumber(std::string_view section, std::string_view key, int32_t value);
    bool SetString(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Path() const { return path_; }
    // Why the store could not be loaded or the last change failed; empty otherwise.
    const std::string& LastError() const { return lastError_; }

private:
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    bool Set(std::string_view section, std::string_view key, const std::string& value);

    std::string path_;
    WorkspaceFile file_;
    std::string loadError_;  // set when the file exists but could not be loaded
    std::string lastError_;
};

}  // namespace tarnhost
