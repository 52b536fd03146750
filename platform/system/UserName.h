// The name of the user logged on to this session.
#pragma once

#include <string>

namespace tarnui {

// From the environment (USER, then LOGNAME), else from the session's login record; empty when
// none of them knows it.
std::string LoggedOnUserName();

}  // namespace tarnui
