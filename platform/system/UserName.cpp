#include "platform/system/UserName.h"

#include <unistd.h>

#include <cstdlib>

namespace tarnui {

std::string LoggedOnUserName() {
    for (const char* variable : {"USER", "LOGNAME"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != 0) {
            return value;
        }
    }
    const char* login = getlogin();
    return login != nullptr ? std::string(login) : std::string();
}

}  // namespace tarnui
