// The name of the user logged on to this session.
#pragma once

#include <string>

namespace tarnui {

// From the environment (USER, then LOGNAME), else from the session's login record, else the
// account name of the effective user; empty only when none of them knows it.
std::string LoggedOnUserName();

}  // namespace tarnui
