#include "host/lib/KeyValueStore.h"

#include <filesystem>

#include "host/lib/StoreText.h"

namespace tarnhost {

KeyValueStore::KeyValueStore(std::string path) : path_(std::move(path)) {
    std::error_code ec;
    if (path_.empty() || !std::filesystem::exists(path_, ec)) {
        return;
    }
    std::string text, error;
    if (!ReadTextFile(path_, &text, &error)) {
        loadError_ = error;
    } else if (!file_.Parse(text, &error)) {
        loadError_ = path_ + ":" + error;
        file_ = WorkspaceFile();
    }
    lastError_ = loadError_;
}

std::optional<std::string> KeyValueStore::Get(std::string_view section,
                                              std::string_view key) const {
    const WorkspaceSection* found = file_.FindSection(section);
    return found != nullptr ? found->Find(key) : std::nullopt;
}

std::optional<int32_t> KeyValueStore::GetNumber(std::string_view section,
                                                std::string_view key) const {
    const auto value = Get(section, key);
    return value ? ParseStoredNumber(*value) : std::nullopt;
}

std::optional<std::string> KeyValueStore::GetString(std::string_view section,
                                                    std::string_view key) const {
    const auto value = Get(section, key);
    return value ? UnquoteString(*value) : std::nullopt;
}

bool KeyValueStore::SetNumber(std::string_view section, std::string_view key, int32_t value) {
    return Set(section, key, FormatStoredNumber(value));
}

bool KeyValueStore::SetString(std::string_view section, std::string_view key,
                              std::string_view value) {
    return Set(section, key, QuoteString(value));
}

bool KeyValueStore::Set(std::string_view section, std::string_view key, const std::string& value) {
    if (!loadError_.empty()) {
        lastError_ = loadError_ + " (the file is left as it is)";
        return false;
    }
    if (section.empty() || key.empty()) {
        lastError_ = "an empty section or key cannot be stored";
        return false;
    }
    WorkspaceFile changed = file_;
    changed.Section(section).Set(key, value);
    if (!path_.empty()) {
        std::error_code ec;
        const auto dir = std::filesystem::path(path_).parent_path();
        if (!dir.empty()) {
            std::filesystem::create_directories(dir, ec);  // a failure shows in the write
        }
        if (!WriteFileAtomically(path_, changed.Render(), &lastError_)) {
            return false;
        }
    }
    file_ = std::move(changed);
    lastError_.clear();
    return true;
}

}  // namespace tarnhost
