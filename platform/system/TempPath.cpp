#include "platform/system/TempPath.h"

#include <sys/stat.h>

#include <cstdlib>

namespace tarnui {

std::string GetTempPath() {
    std::string dir = "/tmp";
    if (const char* env = std::getenv("TMPDIR"); env != nullptr && env[0] != '\0') {
        struct stat st {};
        if (stat(env, &st) == 0 && S_ISDIR(st.st_mode)) {
            dir = env;
        }
    }
    if (dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

}  // namespace tarnui
