// Where the host keeps per-user files: $TARNMAP_CONFIG_DIR, else $XDG_CONFIG_HOME/tarnmap,
// else ~/.config/tarnmap.
#pragma once

#include <string>

namespace tarnhost {

std::string UserConfigDir();
// The host-wide custom placeholders file in the user configuration directory.
std::string HostPlaceholdersPath();

}  // namespace tarnhost
