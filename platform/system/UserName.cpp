#include "platform/system/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace tarnui {
namespace {

// The account name of the effective user id; empty when the user database does not know it.
std::string AccountName() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 1024);
    struct passwd entry {};
    struct passwd* found = nullptr;
    while (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE) {
        buffer.resize(buffer.size() * 2);
    }
    return found != nullptr && found->pw_name != nullptr ? std::string(found->pw_name)
                                                         : std::string();
}

}  // namespace

std::string LoggedOnUserName() {
    for (const char* variable : {"USER", "LOGNAME"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != 0) {
            return value;
        }
    }
    if (const char* login = getlogin(); login != nullptr && *login != 0) {
        return login;
    }
    // Services and build machines have neither the variables nor a login terminal.
    return AccountName();
}

}  // namespace tarnui
