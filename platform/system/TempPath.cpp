#include "platform/system/TempPath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tarnui {
namespace {

// Set at load time, so they outlive the exit handler that reads them.
std::string g_directory;
pid_t g_owner = 0;
bool g_removeAtExit = false;

void RemoveDirectory() {
    // A forked child that never asked for its own directory leaves its parent's alone.
    if (g_owner == ::getpid() && !g_directory.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(g_directory, ec);
    }
}

std::string MakePrivateDirectory(const char* base) {
    struct stat st {};
    if (base == nullptr || base[0] == '\0' || ::stat(base, &st) != 0 || !S_ISDIR(st.st_mode)) {
        return {};
    }
    std::string pattern = base;
    if (pattern.back() != '/') {
        pattern += '/';
    }
    pattern += "tarnmap-XXXXXX";
    return ::mkdtemp(pattern.data()) != nullptr ? pattern + "/" : std::string();
}

// The directory is still there and still ours (a cleaner may have removed it).
bool StillPrivate(const std::string& directory) {
    struct stat st {};
    // Without the final "/", so that a link in its place is seen as a link.
    const std::string name = directory.substr(0, directory.size() - 1);
    return !directory.empty() && ::lstat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

}  // namespace

std::string GetTempPath() {
    if (g_owner == ::getpid() && StillPrivate(g_directory)) {
        return g_directory;
    }
    g_owner = ::getpid();
    g_directory.clear();
    const char* const bases[] = {std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"), "/tmp"};
    for (const char* base : bases) {
        g_directory = MakePrivateDirectory(base);
        if (!g_directory.empty()) {
            break;
        }
    }
    if (!g_removeAtExit) {
        g_removeAtExit = std::atexit(&RemoveDirectory) == 0;
    }
    return g_directory;
}

}  // namespace tarnui
