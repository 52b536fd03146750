#include "host/lib/UserFiles.h"

#include <cstdlib>

namespace tarnhost {

std::string UserConfigDir() {
    if (const char* dir = std::getenv("TARNMAP_CONFIG_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    if (const char* dir = std::getenv("XDG_CONFIG_HOME"); dir != nullptr && *dir != '\0') {
        return std::string(dir) + "/tarnmap";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/tarnmap";
}

std::string HostPlaceholdersPath() {
    return UserConfigDir() + "/placeholders.ini";
}

std::string UserCacheDir() {
    if (const char* dir = std::getenv("TARNMAP_CACHE_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    if (const char* dir = std::getenv("XDG_CACHE_HOME"); dir != nullptr && *dir != '\0') {
        return std::string(dir) + "/tarnmap";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.cache/tarnmap";
}

}  // namespace tarnhost
